#pragma once
// Where the help pages lie and which page a topic number opens. The help pages sit in the
// program directory under help/: the contents, one page per dialog, and one rules page per game
// (named after the game: its four-digit id, a dash, its name, ".html"). Rules topics are the game
// id plus kRulesTopicBase; the dialogs' topics are listed in one table in help_topics.cpp.
#include "engine/game_file.h" // custom games have no rules page

#include <filesystem>
#include <optional>

namespace tablamor::ui::help {

inline constexpr int kRulesTopicBase = 3000;
inline constexpr int kOpenGameTopic = 1002;
inline constexpr int kOptionsTopic = 1004;
inline constexpr int kCustomizeTopic = 1019;

// The folder of the help pages under the program directory.
std::filesystem::path HelpDir(const std::filesystem::path& programDir);

// The contents page.
std::filesystem::path ContentsPage(const std::filesystem::path& helpDir);

// The rules page of a game id, when the help folder holds one; nullopt for a custom game, an id
// out of range or a missing page.
std::optional<std::filesystem::path> RulesPage(const std::filesystem::path& helpDir, int gameId);

// The page of a topic number: a dialog's topic from the table, or a rules topic. nullopt when
// the topic is unknown or its page is missing.
std::optional<std::filesystem::path> TopicPage(const std::filesystem::path& helpDir, int topic);

} // namespace tablamor::ui::help
