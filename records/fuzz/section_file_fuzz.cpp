// Fuzz target: the sectioned record file reader (FindSection, ReadKey, ReadKeys), the section
// rewrites computed in memory, the hi-score upgrade and the record parsers. Checks that a found
// header really stands at a line start at the offset given, and that a key written into a
// section reads back.
#include "memory_file.h"
#include "records/game_log.h"
#include "records/hi_score_upgrade.h"
#include "records/hi_scores.h"
#include "records/section_file.h"
#include "records/statistics.h"
#include "records/text_encoding.h"

#include <string_view>

using namespace tablamor;

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::MemoryFile memory;
    const std::filesystem::path file = memory.Hold(data, size);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    for (std::string_view section : {"Version", "0001", "0003", "Clear scores"}) {
        const std::string header = SectionHeader(section);
        if (SectionLookup at = FindSection(nullptr, file, header); at.result == Lookup::Found) {
            Check(bytes.substr(at.offset, header.size()) == header);
            Check(at.offset == 0 || bytes[at.offset - 1] == '\n' ||
                  at.offset == ByteOrderMarkLength(bytes));
        }
        RecordHandle handle = RecordHandle::Open(file, false);
        for (std::string_view key : {"Ann", "01-01", "Version", "Cleared", ""}) {
            std::string value = ReadKey(&handle, file, section, key, "?").value;
            ParseStatistics(value);
            RankOfEntry(value);
        }
        ReadKeys(file, section, {"01-01", "02-01", "Ann"}, {"a", "b"});
    }

    const std::string rewritten = SectionContentWithKeys(bytes, {{"Ann", "v1"}, {"Bob", "v2"}});
    Check(rewritten.starts_with("Ann=v1\r\n") ||
          rewritten.find("\nAnn=v1\r\n") != std::string::npos);
    SectionContentOverwritten(bytes, {{"01-01", "x"}});
    Check(UpgradedHiScoreContent(bytes).starts_with("[Version]\r\nVersion=0300\r\n\r\n"));
    ParseGameLogLine(bytes);
    return 0;
}
