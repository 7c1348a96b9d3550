#include "ui/help_topics.h"

#include <array>
#include <cstdio>
#include <string_view>
#include <system_error>

namespace tablamor::ui::help {
namespace {

constexpr std::string_view kHelpFolder = "help";
constexpr std::string_view kContentsFile = "contents.html";
constexpr std::string_view kPageSuffix = ".html";
constexpr int kLastGameId = 9999;

struct TopicEntry {
    int topic;
    std::string_view file;
};

// Every dialog topic and its page.
constexpr std::array<TopicEntry, 3> kTopics{{
    {kOpenGameTopic, "open_game.html"},
    {kOptionsTopic, "options.html"},
    {kCustomizeTopic, "customize.html"},
}};

} // namespace

std::filesystem::path HelpDir(const std::filesystem::path& programDir) {
    return programDir / kHelpFolder;
}

std::filesystem::path ContentsPage(const std::filesystem::path& helpDir) {
    return helpDir / kContentsFile;
}

std::optional<std::filesystem::path> RulesPage(const std::filesystem::path& helpDir, int gameId) {
    if (gameId < 0 || gameId >= kFirstCustomGameId) return std::nullopt;
    std::array<char, 8> prefix{};
    std::snprintf(prefix.data(), prefix.size(), "%04d", gameId);
    const std::string_view wanted(prefix.data());
    std::error_code error;
    std::filesystem::directory_iterator it(helpDir, error), end;
    std::optional<std::filesystem::path> best;
    for (; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(wanted) || !name.ends_with(kPageSuffix)) continue;
        // "0004-..." or "0004.html": the id must end where the digits end.
        const char after = name.size() > wanted.size() ? name[wanted.size()] : '\0';
        if (after >= '0' && after <= '9') continue;
        if (!best || it->path() < *best)
            best = it->path(); // the same page whatever the listing order
    }
    return best;
}

std::optional<std::filesystem::path> TopicPage(const std::filesystem::path& helpDir, int topic) {
    if (topic >= kRulesTopicBase && topic <= kRulesTopicBase + kLastGameId)
        return RulesPage(helpDir, topic - kRulesTopicBase);
    for (const TopicEntry& entry : kTopics) {
        if (entry.topic != topic) continue;
        std::filesystem::path page = helpDir / entry.file;
        std::error_code error;
        if (std::filesystem::is_regular_file(page, error)) return page;
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace tablamor::ui::help
