#pragma once
// The deals the solver has won, kept per game in "DATA\WINNABLE.DAT" so that a new deal under
// "Winnable deals only" is at hand at once. A sectioned record file: the version section, then
// one section per game headed by its id in four digits with the one key "Numbers", whose value is
// the game numbers (thirteen digits each) separated by blanks, oldest first. At most
// kWinnableNumbersKept numbers are kept per game, of games whose id has four digits.
//
// A file that does not read exactly so (another version, a line that is neither a section nor
// its key, a number of other digits) is damaged: the sink hears it, the file is made afresh
// without numbers, and the reader goes on as if it had been empty. A missing file reads as
// empty. Every change rewrites the whole file through WriteFileAtomically.
#include "records/messages.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tablamor {

inline constexpr int kWinnableNumbersKept = 8;

// Game id -> its numbers, oldest first.
using WinnableNumbers = std::map<int, std::vector<std::string>>;

// Every number kept. A file that cannot be read is told to the sink and reads as empty (it is
// not rewritten); a damaged one is rebuilt as said above.
WinnableNumbers ReadWinnableNumbers(const std::filesystem::path& file, MessageSink& sink);

// Keeps a number the solver won for the game, after the others (the oldest goes past the
// limit; a number kept already is not kept twice). False, after a message, when the file could
// not be written.
bool KeepWinnableNumber(const std::filesystem::path& file, int gameId, const std::string& number,
                        MessageSink& sink);

// Takes the oldest number of the game out of the file; none when there is none (or the file
// could not be written, after a message: a number is never handed out twice).
std::optional<std::string> TakeWinnableNumber(const std::filesystem::path& file, int gameId,
                                              MessageSink& sink);

// "The file of winnable deals " + the file + " is damaged: it is made afresh."
std::string DamagedWinnableFileText(const std::filesystem::path& file);

} // namespace tablamor
