#include "records/hi_score_upgrade.h"

#include "records/atomic_file.h"
#include "records/data_dir.h"
#include "records/file_system.h"
#include "records/fixed_fields.h"
#include "records/ini_file.h"
#include "records/preferences.h"
#include "records/record_names.h"
#include "records/section_file.h"
#include "records/text_encoding.h"

#include <cerrno>

namespace tablamor {
namespace {

constexpr std::string_view kOldVersion = "0000";
constexpr char kOldEntryMark = '0';
constexpr int kOldEntryWidth = 89;
constexpr std::string_view kEntryEnd = " x";

} // namespace

std::string UpgradedHiScoreContent(std::string_view old) {
    old.remove_prefix(ByteOrderMarkLength(old));
    const std::string header = SectionHeader(kVersionSection);
    const std::string versionLine = std::string(kVersionKey) + "=";
    std::string text = header + std::string(kRecordLineEnd) + versionLine +
                       std::string(kRecordVersion) + std::string(kRecordLineEnd) +
                       std::string(kRecordLineEnd);
    std::size_t begin = 0;
    while (begin < old.size()) {
        std::size_t end = old.find('\n', begin);
        if (end == std::string_view::npos) end = old.size();
        std::string_view line = old.substr(begin, end - begin);
        begin = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.starts_with(header) || line.starts_with(versionLine)) continue;
        if (!line.empty() && line.front() == kOldEntryMark)
            text += FitText(line, kOldEntryWidth) + std::string(kEntryEnd);
        else
            text += line;
        text += kRecordLineEnd;
    }
    return text;
}

bool UpgradeHiScoreFile(const std::filesystem::path& dataDir, MessageSink& sink) {
    bool rewritten = false;
    const std::filesystem::path file = DataFilePath(dataDir, kHiScoreFileName);
    struct stat st {};
    if (Files().Stat(file.c_str(), st) != 0) {
        if (errno != ENOENT) sink.Show(MessageKind::Plain, CannotOpenText(file, ErrorText(errno)));
    } else if (KeyValues version = ReadKeys(file, kVersionSection, {std::string(kVersionKey)},
                                            {std::string(kOldVersion)}, sink);
               !version.failed && version.values.front() < kRecordVersion) {
        std::string old;
        if (FileRead read = ReadWholeFile(file, old))
            rewritten = SaveRecordFile(file, UpgradedHiScoreContent(old), sink);
        else
            sink.Show(MessageKind::Plain, CannotReadText(file, read.error));
    }
    IniFile config(ConfigFilePath(dataDir), sink);
    UpgradeOldPreferences(config);
    return rewritten;
}

} // namespace tablamor
