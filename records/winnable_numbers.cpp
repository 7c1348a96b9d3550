#include "records/winnable_numbers.h"

#include "records/atomic_file.h"
#include "records/section_file.h"
#include "records/statistics.h"
#include "records/text_lines.h"

#include <algorithm>
#include <charconv>

namespace tablamor {
namespace {

constexpr std::string_view kNumbersKey = "Numbers=";
constexpr std::size_t kNumberDigits = 13;
constexpr std::size_t kGameIdDigits = 4;

bool AllDigits(std::string_view text, std::size_t count) {
    return text.size() == count &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string Line(std::string_view text) {
    return std::string(text) + std::string(kRecordLineEnd);
}

std::string Format(const WinnableNumbers& numbers) {
    std::string content = Line(SectionHeader(kVersionSection)) +
                          Line(std::string(kVersionKey) + "=" + std::string(kRecordVersion));
    for (const auto& [game, list] : numbers) {
        if (list.empty()) continue;
        std::string value;
        for (const std::string& n : list) value += (value.empty() ? "" : " ") + n;
        content += Line("") + Line(SectionHeader(GameSectionName(game))) +
                   Line(std::string(kNumbersKey) + value);
    }
    return content;
}

// The numbers in `content`; none when it is damaged.
std::optional<WinnableNumbers> Parse(std::string_view content) {
    std::vector<std::string_view> lines;
    for (std::string_view line : SplitLines(content))
        if (!line.empty()) lines.push_back(line);
    if (lines.size() < 2 || lines[0] != SectionHeader(kVersionSection) ||
        lines[1] != std::string(kVersionKey) + "=" + std::string(kRecordVersion))
        return std::nullopt;
    WinnableNumbers numbers;
    for (std::size_t i = 2; i < lines.size(); i += 2) {
        const std::string_view header = lines[i];
        if (i + 1 >= lines.size() || header.size() != kGameIdDigits + 2 || header.front() != '[' ||
            header.back() != ']' || !AllDigits(header.substr(1, kGameIdDigits), kGameIdDigits) ||
            !lines[i + 1].starts_with(kNumbersKey))
            return std::nullopt;
        int game = 0;
        std::from_chars(header.data() + 1, header.data() + 1 + kGameIdDigits, game);
        if (numbers.contains(game)) return std::nullopt;
        std::vector<std::string>& list = numbers[game];
        std::string_view rest = lines[i + 1].substr(kNumbersKey.size());
        while (!rest.empty()) {
            const std::size_t blank = rest.find(' ');
            const std::string_view number = rest.substr(0, blank);
            if (!AllDigits(number, kNumberDigits)) return std::nullopt;
            list.emplace_back(number);
            rest = blank == std::string_view::npos ? "" : rest.substr(blank + 1);
        }
    }
    return numbers;
}

// The numbers of the file, and whether they may be rewritten (false: the file could not be read).
struct Loaded {
    WinnableNumbers numbers;
    bool readable = true;
};

Loaded Load(const std::filesystem::path& file, MessageSink& sink) {
    std::string content;
    const FileRead read = ReadWholeFile(file, content);
    if (read.status == FileRead::Missing) return {};
    if (!read) {
        sink.Show(MessageKind::Plain, CannotReadText(file, read.error));
        return {{}, false};
    }
    if (std::optional<WinnableNumbers> numbers = Parse(content)) return {std::move(*numbers)};
    sink.Show(MessageKind::Plain, DamagedWinnableFileText(file));
    SaveRecordFile(file, Format({}), sink);
    return {};
}

} // namespace

std::string DamagedWinnableFileText(const std::filesystem::path& file) {
    return "The file of winnable deals " + file.string() + " is damaged: it is made afresh.";
}

WinnableNumbers ReadWinnableNumbers(const std::filesystem::path& file, MessageSink& sink) {
    return Load(file, sink).numbers;
}

bool KeepWinnableNumber(const std::filesystem::path& file, int gameId, const std::string& number,
                        MessageSink& sink) {
    if (!AllDigits(GameSectionName(gameId), kGameIdDigits) || !AllDigits(number, kNumberDigits))
        return false;
    Loaded loaded = Load(file, sink);
    if (!loaded.readable) return false;
    std::vector<std::string>& list = loaded.numbers[gameId];
    if (std::find(list.begin(), list.end(), number) != list.end()) return true;
    list.push_back(number);
    if (list.size() > static_cast<std::size_t>(kWinnableNumbersKept)) list.erase(list.begin());
    return SaveRecordFile(file, Format(loaded.numbers), sink);
}

std::optional<std::string> TakeWinnableNumber(const std::filesystem::path& file, int gameId,
                                              MessageSink& sink) {
    Loaded loaded = Load(file, sink);
    auto found = loaded.numbers.find(gameId);
    if (!loaded.readable || found == loaded.numbers.end() || found->second.empty())
        return std::nullopt;
    std::string number = found->second.front();
    found->second.erase(found->second.begin());
    if (!SaveRecordFile(file, Format(loaded.numbers), sink)) return std::nullopt;
    return number;
}

} // namespace tablamor
