#include "engine/game_file.h"
#include "engine/game_source.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace tablamor {
namespace {

std::string ScrambledLine(std::string_view plain, std::size_t from = 0) {
    std::string s(plain);
    for (std::size_t i = from; i < s.size(); ++i)
        s[i] = static_cast<char>(Scramble(static_cast<unsigned char>(s[i])));
    return s;
}

// A "[Sect2]" line: number, label, then the given fields at their columns.
std::string Sect2Line(int k, const std::vector<std::string>& fields) {
    std::string plain = (k < 10    ? "000"
                         : k < 100 ? "00"
                                   : "0") +
                        std::to_string(k) + " label      ";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        std::string f = fields[i];
        f.resize(10, ' ');
        plain += (i == 0 ? "" : " ") + f;
    }
    return ScrambledLine(plain, 5);
}

TEST(GameFile, ScramblingRoundTrips) {
    for (int c = 32; c < 127; ++c)
        EXPECT_EQ(Unscramble(Scramble(static_cast<unsigned char>(c))), c);
    EXPECT_EQ(Unscramble(80), 32);
    EXPECT_EQ(Unscramble(79), 127);
}

TEST(GameFile, ListKeepsOnlyMarkedLines) {
    std::string content = "[Sect1]\r\n" + ScrambledLine("005 0010  Klondike") + "\r\n" +
                          ScrambledLine("004 0021  Hidden") + "\r\n" +
                          ScrambledLine("004 0020  FreeCell    ") + "\r\n" + "[SectX]\r\n" +
                          ScrambledLine("004 0030  Not in the list") + "\r\n";
    GameFile file = GameFile::Parse(content);
    ASSERT_EQ(file.List().size(), 2u);
    EXPECT_EQ(file.List()[1].name, "FreeCell");
    EXPECT_EQ(file.GameType(2), 4);
    EXPECT_EQ(file.GameType(3), -1);
    EXPECT_EQ(file.GameType(8000), -1);
    ASSERT_NE(file.Find(1), nullptr);
    EXPECT_EQ(file.Find(1)->name, "Klondike");
}

TEST(GameFile, FieldsByColumn) {
    // game 0 at columns 17..26, game 5 at 72..81; blanks around values are allowed
    std::vector<std::string> fields = {"7", "0", "0", "0", "0", "       -99", "12"};
    std::string content = "[Sect2]\n" + Sect2Line(1, fields) + "\n" +
                          Sect2Line(2, {"1", "0", "0", "0", "0", "12        "}) + "\n";
    GameFile file = GameFile::Parse(content);
    GameParams g0 = file.LoadColumn(0);
    GameParams g5 = file.LoadColumn(5);
    EXPECT_EQ(g0[1], 7);
    EXPECT_EQ(g5[1], -99);
    EXPECT_EQ(g5[2], 12);
    EXPECT_EQ(file.ReadValues(5, {2, 1, 400}), (std::vector<int>{12, -99, -99}));
}

// Every field fault stops the set-up with the one message naming the game and the parameter.
TEST(GameFile, FieldFaultsNameTheGameAndParameter) {
    struct Row {
        const char* name;
        std::vector<std::string> fields; // game 0 first; game 1 is read
        const char* shown;
    } const rows[] = {
        {"not a number", {"1", "x2"}, "not \"x2\""},
        {"blank field", {"1", ""}, "not a blank"},
        {"field missing from a short line", {"1"}, "not a blank"},
        {"above 32767", {"1", "32768"}, "not \"32768\""},
        {"below -32768", {"1", "-32769"}, "not \"-32769\""},
        {"trailing junk", {"1", "5 5"}, "not \"5 5\""},
    };
    const std::string list = "[Sect1]\n" + ScrambledLine("005 0000  Zero") + "\n" +
                             ScrambledLine("005 0010  Klondike") + "\n";
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GameFile file = GameFile::Parse(list + "[Sect2]\n" + Sect2Line(1, row.fields) + "\n");
        EXPECT_EQ(file.LoadColumn(0)[1], 1);
        const std::string expected = "Game 1 (Klondike) cannot be set up: parameter 1 "
                                     "(DealFoundationBaseCard) "
                                     "must be a number from -32768 to 32767, " +
                                     std::string(row.shown) + ".";
        for (auto read : {+[](const GameFile& f) { f.LoadColumn(1); },
                          +[](const GameFile& f) { f.ReadValues(1, {1}); }}) {
            try {
                read(file);
                ADD_FAILURE() << "no error";
            } catch (const DefinitionError& e) {
                EXPECT_EQ(std::string(e.what()), expected);
            }
        }
    }
    // the limits themselves load
    GameParams p = GameFile::Parse("[Sect2]\n" + Sect2Line(3, {"-32768"}) + "\n" +
                                   Sect2Line(4, {"32767"}) + "\n")
                       .LoadColumn(0);
    EXPECT_EQ(p[3], -32768);
    EXPECT_EQ(p[4], 32767);
}

TEST(GameFile, ShapeFaultsAreSkipped) {
    std::string content = "[Sect2]\n\n00\n" + Sect2Line(0, {"5"}) + "\n" + Sect2Line(333, {"5"}) +
                          "\n\xff\xfe\x01garbage\n" + Sect2Line(4, {"8"}) + "\n";
    GameParams p = GameFile::Parse(content).LoadColumn(0);
    EXPECT_EQ(p[4], 8);
    EXPECT_EQ(p[0], 0);
    GameFile garbage = GameFile::Parse(std::string("\0\x80[Sect1]\n\x01\n", 12));
    EXPECT_TRUE(garbage.List().empty());
}

TEST(GameFile, WriterAndReaderAgree) {
    GameDefinition a, b;
    a.id = 1;
    a.type = 5;
    a.name = "Alpha";
    a.description = "First.";
    a.params[param::kTableauCount] = 7;
    a.params[param::kStockPasses] = -1;
    b.id = 3;
    b.type = 3;
    b.name = "Gamma";
    b.params.Set(param::kTableauDealt, 9, 4);
    b.params[kParamCount - 1] = -32768;
    GameFile file = GameFile::Parse(WriteGameFile({b, a}));
    auto games = ReadAllGames(file);
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(games[0].params, a.params);
    EXPECT_EQ(games[0].description, "First.");
    EXPECT_EQ(games[1].params, b.params);
    EXPECT_EQ(games[1].name, "Gamma");
    EXPECT_EQ(file.LoadColumn(2), GameParams{}); // a column no game uses
}

TEST(GameSource, ParsesNamesRangesAndIndexes) {
    GameDefinition g =
        ParseGameSource("# A test.\nid = 4\nname = Test\ntype = 9\n"
                        "TableauDealt = 1 2 3\nTableauFaceUp[2] = -1\nStockPasses = -1\n",
                        "test");
    EXPECT_EQ(g.params.At(param::kTableauDealt, 2), 3);
    EXPECT_EQ(g.params.At(param::kTableauFaceUp, 2), -1);
    EXPECT_EQ(g.params[param::kStockPasses], -1);
    EXPECT_EQ(ParseGameSource(FormatGameSource(g), "again").params, g.params);

    const char* bad[] = {
        "id = 1\nname = x\n",                               // no type
        "id = 1\nname = x\ntype = 1\nNoSuchThing = 1\n",    // unknown name
        "id = 1\nname = x\ntype = 1\nTableauDealt = 1 z\n", // not a number
        "id = 1\nname = x\ntype = 1\nStockPasses = 1 2\n",  // too many values
        "id = 1\nname = x\ntype = 1\nTableauDealt[26] = 1\n",
        "id = 1\nname = caf\xc3\xa9\ntype = 1\n",
    };
    for (const char* text : bad)
        EXPECT_THROW(ParseGameSource(text, "bad"), DefinitionError) << text;
}

// A variant takes everything from its base and overrides what it states; a missing base, a
// base that leads back to the variant, and a base after other settings are refused.
TEST(GameSource, VariantsOverrideTheirBase) {
    const std::map<std::string, std::string> files = {
        {"base.game", "# The base.\nid = 16\nname = Base\ntype = 2\nTableauDealt = 1 2 3 4\n"
                      "StockPasses = -1\nStockDealCount = 3\n"},
        {"middle.game", "base = base.game\nid = 17\nname = Middle\nStockPasses = 3\n"},
        {"sub/deep.game", "base = ../base.game\nid = 18\nname = Deep\nStockPasses = 2\n"},
        {"loop-a.game", "base = loop-b.game\nid = 1\nname = A\n"},
        {"loop-b.game", "base = loop-a.game\nid = 2\nname = B\n"},
    };
    const BaseSourceReader read = [&](const std::string& path) {
        auto it = files.find(path);
        if (it == files.end()) throw DefinitionError(path + ": no such file");
        return it->second;
    };
    struct Row {
        const char* text;
        const char* fault; // nullptr: parses
        int dealt[4];
        int passes, dealCount;
        const char* description;
    };
    const Row rows[] = {
        {"# Own.\nbase = base.game\nid = 57\nname = V\nStockDealCount = 1\n",
         nullptr,
         {1, 2, 3, 4},
         -1,
         1,
         "Own."},
        {"base = base.game\nid = 57\nname = V\n# Layout\nTableauDealt = 5 6\n",
         nullptr,
         {5, 6, 0, 0},
         -1,
         3,
         "The base."},
        {"base = base.game\nid = 57\nname = V\nTableauDealt[1] = 9\n",
         nullptr,
         {1, 9, 3, 4},
         -1,
         3,
         "The base."},
        {"base = middle.game\nid = 58\nname = V\n", nullptr, {1, 2, 3, 4}, 3, 3, "The base."},
        {"base = sub/deep.game\nid = 58\nname = V\n", nullptr, {1, 2, 3, 4}, 2, 3, "The base."},
        {"base = nowhere.game\nid = 57\nname = V\n", "nowhere.game", {}, 0, 0, ""},
        {"base = loop-a.game\nid = 57\nname = V\n", "cycle", {}, 0, 0, ""},
        {"base = self.game\nid = 57\nname = V\n", "cycle", {}, 0, 0, ""},
        {"id = 57\nbase = base.game\nname = V\n", "first setting", {}, 0, 0, ""},
        {"base = base.game\nname = V\n", "required", {}, 0, 0, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        if (row.fault) {
            try {
                ParseGameSource(row.text, "self.game", read);
                ADD_FAILURE() << "accepted";
            } catch (const DefinitionError& e) {
                EXPECT_NE(std::string(e.what()).find(row.fault), std::string::npos) << e.what();
            }
            continue;
        }
        const GameDefinition g = ParseGameSource(row.text, "self.game", read);
        EXPECT_EQ(g.type, 2);
        EXPECT_EQ(g.name, "V");
        EXPECT_EQ(g.description, row.description);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(g.params.At(param::kTableauDealt, i), row.dealt[i]);
        EXPECT_EQ(g.params[param::kStockPasses], row.passes);
        EXPECT_EQ(g.params[param::kStockDealCount], row.dealCount);
    }
}

} // namespace
} // namespace tablamor
