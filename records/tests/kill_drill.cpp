// The program scripts/kill-test.sh kills: one end-of-game save and one preference change in the
// program directory given, as the program makes them. Round N saves a game of id N % 60 + 1 for
// player N % 7 and remembers N as the newest game number, so every round changes every record
// file, and the same round on the same files gives the same bytes. "seed" writes the record files
// of a well-used installation first.
//   records_kill_drill DIR seed | DIR ROUND
#include "records/atomic_file.h"
#include "records/finished_game.h"
#include "records/hi_scores.h"
#include "records/ini_file.h"
#include "records/section_file.h"
#include "records/statistics.h"

#include <cstdio>
#include <string>

using namespace tablamor;

namespace {

constexpr int kGames = 300;
constexpr int kPlayers = 7;
const Timestamp kWhen{2024, 6, 1, 9, 30, 0};

std::string Player(int n) {
    return "Player " + std::to_string(n % kPlayers + 1);
}

bool Seed(const std::filesystem::path& data) {
    std::string stat = "[Version]\r\nVersion=0300\r\n";
    std::string scores = stat;
    for (int game = 1; game <= kGames; ++game) {
        stat += "\r\n" + SectionHeader(GameSectionName(game)) + "\r\n";
        for (int p = 0; p < kPlayers; ++p)
            stat += Player(p) + "=" + FormatStatistics({p, game % 5, 3, 2, 1, 0, 40 * p}) + "\r\n";
        scores += "\r\n" + SectionHeader(GameSectionName(game)) + "\r\n";
        std::vector<std::string> table = PlaceholderTable(52, kWhen);
        for (int rank = 1; rank <= kHiScoreRanks; ++rank)
            scores +=
                HiScoreKey(rank, "01") + "=" + table[static_cast<std::size_t>(rank - 1)] + "\r\n";
    }
    return WriteFileAtomically(data / "STAT.DAT", stat) &&
           WriteFileAtomically(data / "STAT_SCR.DAT", scores) &&
           WriteFileAtomically(data / "CFG.DAT", "[Preference]\r\nUserDefault=Player 1\r\n");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: records_kill_drill DIR seed|ROUND\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    const std::string what = argv[2];
    if (what == "seed") return Seed(dir / "DATA") ? 0 : 1;
    const int round = std::stoi(what);
    FinishedGame game;
    game.dataDir = dir / "DATA";
    game.gameId = round % 60 + 1;
    game.gameName = "Klondike";
    game.gameNumber = std::to_string(round);
    game.cardCount = 52;
    game.won = round % 2 == 0;
    game.score = 60 + round % 40; // enters the hi-scores
    game.seconds = 100 + round;
    game.player = Player(round);
    game.end = kWhen;
    CollectedMessages messages;
    bool saved = RecordFinishedGame(game, messages).AllSaved();
    IniFile config(dir / "DATA" / "CFG.DAT", messages);
    saved = config.WriteString("Game_Numbers", "Game001", std::to_string(round)) && saved;
    for (const std::string& text : messages.texts) std::fprintf(stderr, "%s\n", text.c_str());
    return saved ? 0 : 1;
}
