#include "records/game_log.h"

#include "records/atomic_file.h"
#include "records/block_scan.h"
#include "records/file_system.h"
#include "records/fixed_fields.h"
#include "records/section_file.h"
#include "records/text_encoding.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tablamor {
namespace {

constexpr int kSecondsWidth = 6;
constexpr int kGameIdWidth = 4;
constexpr int kGameNameWidth = 50;
constexpr int kPlayerWidth = 30;
constexpr int kResultWidth = 5;
constexpr int kScoringTypeWidth = 2;
constexpr int kScoreWidth = 6;
constexpr int kGameNumberWidth = 15;
constexpr std::string_view kWon = "Won";
constexpr std::string_view kLost = "Lost";
constexpr std::string_view kTail = "0340";

// Field widths in line order; a blank follows each field except the result.
struct FieldLayout {
    int width;
    bool blankAfter;
};
constexpr FieldLayout kFields[] = {
    {kDateWidth, true},       {kTimeWidth, true},        {kSecondsWidth, true},
    {kGameIdWidth, true},     {kGameNameWidth, true},    {kPlayerWidth, true},
    {kResultWidth, false},    {kScoringTypeWidth, true}, {kScoreWidth, true},
    {kGameNumberWidth, true},
};
constexpr std::size_t kFieldCount = std::size(kFields);

constexpr std::size_t LineLength() {
    std::size_t n = kTail.size();
    for (const FieldLayout& f : kFields)
        n += static_cast<std::size_t>(f.width) + (f.blankAfter ? 1 : 0);
    return n;
}

// The text of a value for a line field: no line breaks.
std::string Printable(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (c == '\r' || c == '\n') c = ' ';
    return s;
}

} // namespace

std::string GameLogLine(const GameLogEntry& e) {
    std::string values[kFieldCount] = {
        e.end.Date(),
        e.end.TimeOfDay(),
        FormatNumber(e.seconds, kSecondsWidth),
        FormatNumber(e.gameId, kGameIdWidth),
        Printable(e.gameName),
        Printable(e.player),
        std::string(e.won ? kWon : kLost),
        Printable(e.scoringType),
        std::to_string(e.score), // left-aligned, as the running score is held
        Printable(e.gameNumber),
    };
    std::string line;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        line += FitText(values[i], kFields[i].width);
        if (kFields[i].blankAfter) line += ' ';
    }
    return line + std::string(kTail);
}

std::optional<GameLogEntry> ParseGameLogLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() != LineLength() || !line.ends_with(kTail)) return std::nullopt;
    std::string_view fields[kFieldCount];
    std::size_t at = 0;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        fields[i] = line.substr(at, static_cast<std::size_t>(kFields[i].width));
        at += static_cast<std::size_t>(kFields[i].width);
        if (kFields[i].blankAfter && line[at++] != ' ') return std::nullopt;
    }
    std::optional<Timestamp> end = Timestamp::Parse(fields[0], fields[1]);
    std::optional<std::int64_t> seconds = ParseNumber(fields[2]);
    std::optional<std::int64_t> id = ParseNumber(fields[3]);
    std::optional<std::int64_t> score = ParseNumber(fields[8]);
    std::string_view result = TrimBlanks(fields[6]);
    if (!end || !seconds || !id || !score || (result != kWon && result != kLost))
        return std::nullopt;
    GameLogEntry e;
    e.end = *end;
    e.seconds = static_cast<int>(*seconds);
    e.gameId = static_cast<int>(*id);
    e.gameName = TrimTrailingBlanks(fields[4]);
    e.player = TrimTrailingBlanks(fields[5]);
    e.won = result == kWon;
    e.scoringType = std::string(fields[7]);
    e.score = static_cast<int>(*score);
    e.gameNumber = TrimTrailingBlanks(fields[9]);
    return e;
}

bool AppendGameLog(const std::filesystem::path& file, const GameLogEntry& entry,
                   MessageSink& sink) {
    std::error_code ec;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
    // Made when missing, never replaced; the log may grow past the size of the other records.
    int fd = Files().Open(file.c_str(),
                          O_RDWR | O_APPEND | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (fd < 0) {
        sink.Show(MessageKind::Plain, CannotOpenText(file, ErrorText(errno)));
        return false;
    }
    struct stat st {};
    std::string reason;
    if (Files().FStat(fd, st) != 0)
        reason = ErrorText(errno);
    else if (!S_ISREG(st.st_mode))
        reason = "not a regular file";
    if (!reason.empty()) {
        Files().Close(fd);
        sink.Show(MessageKind::Plain, CannotOpenText(file, reason));
        return false;
    }
    // The first bytes tell the encoding, the last one whether a killed append left a torn line.
    BlockReader reader(fd);
    std::string start, last;
    const auto size = static_cast<std::uint64_t>(st.st_size);
    if (size > 0) {
        reader.ReadSome(0, kByteOrderMarkProbe, start);
        reader.Read(size - 1, size, last);
    }
    if (std::string problem = reader.Failed() ? reader.Error() : UnreadableEncoding(start);
        !problem.empty()) {
        Files().Close(fd);
        sink.Show(MessageKind::Plain, CannotReadText(file, problem));
        return false;
    }
    std::string bytes;
    if (!last.empty() && last.back() != '\n') bytes += kRecordLineEnd; // end the torn line
    bytes += GameLogLine(entry);
    bytes += kRecordLineEnd;
    bool written = WriteAll(fd, bytes) && Files().FSync(fd) == 0;
    if (!written) {
        const int error = errno;
        // Take back what part of the line went out (a full disk), so the log stays whole; if
        // even that fails, the next append ends the torn line.
        [[maybe_unused]] bool restored = Files().FTruncate(fd, st.st_size) == 0;
        sink.Show(MessageKind::Plain,
                  "Cannot write file " + file.string() + ": " + ErrorText(error));
    }
    Files().Close(fd);
    return written;
}

std::vector<GameLogEntry> ReadGameLog(const std::filesystem::path& file) {
    std::vector<GameLogEntry> entries;
    std::string content;
    if (!ReadWholeFile(file, content)) return entries;
    std::size_t begin = 0;
    for (;;) {
        std::size_t end = content.find('\n', begin);
        if (end == std::string::npos) break; // a last line without its end is torn
        if (auto e = ParseGameLogLine(std::string_view(content).substr(begin, end - begin)))
            entries.push_back(std::move(*e));
        begin = end + 1;
    }
    return entries;
}

} // namespace tablamor
