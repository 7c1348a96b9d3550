#include "records/advice.h"
#include "records/preference_keys.h"
#include "records/preferences.h"
#include "test_dir.h"

#include <gtest/gtest.h>

namespace tablamor {
namespace {

using testing::ReadFile;
using testing::TestDir;
using testing::WriteFile;

TEST(Preferences, FirstRunDefaults) {
    TestDir dir;
    IniFile config(dir / "DATA" / "CFG.DAT");
    Settings s;
    StartupPreferences startup = LoadPreferences(config, s, false);
    struct Row {
        SettingsField field;
        const char* expected;
    } rows[] = {
        // The defaults that a derived step or a special rule gives.
        {Settings::kBackgroundBmp, "0"},
        {Settings::kBackgroundCol, "-2147483633"},
        {Settings::kCardsShadowed, "Y"},
        {Settings::kAutomaticFaceUp, "N"},
        {Settings::kPlayer, "Player 1"},
        // One of each kind of plain default: a number, a letter, a flag of either value.
        {Settings::kLanguage, "20000"},
        {Settings::kCardSize, "F"}, // "Fit to window"
        {Settings::kSoundsFoundation, "Y"},
        {Settings::kVertScrollBar, "N"},
    };
    for (const Row& r : rows) EXPECT_EQ(s.Get(r.field), r.expected) << r.field.position;
    EXPECT_FALSE(startup.toolBarLarge);
    EXPECT_TRUE(startup.toolBarFlat);
    EXPECT_TRUE(startup.autoPlay);
    EXPECT_EQ(startup.cursor, 11);
    EXPECT_EQ(config.ReadString("Preference", "UserDefault"), "Player 1");
    EXPECT_EQ(config.ReadString("Users", "User001"), "Player 1");
}

TEST(Preferences, DerivedSteps) {
    struct Row {
        const char* name;
        const char* file;
        bool fewColours;
        SettingsField field;
        const char* expected;
    } rows[] = {
        {"back card 0 is used as 1", "Back_Card=0", false, Settings::kBackCard, "1"},
        {"a medium card size uses back 6", "Back_Card=14\nCard_Size=M", false, Settings::kBackCard,
         "6"},
        {"a big card size keeps its back", "Back_Card=14\nCard_Size=B", false, Settings::kBackCard,
         "14"},
        {"an unknown size letter is the default", "Card_Size=Q", false, Settings::kCardSize, "F"},
        {"a chosen big size stays", "Card_Size=B", false, Settings::kCardSize, "B"},
        {"a chosen small size stays", "Card_Size=P", false, Settings::kCardSize, "P"},
        {"automatic turning is always off", "Automatic_FaceUp=Y", false, Settings::kAutomaticFaceUp,
         "N"},
        {"few colours default to face set 3", "", true, Settings::kCardFace, "3"},
        {"few colours keep a chosen face set", "Card=2", true, Settings::kCardFace, "2"},
        {"background colour 0 is the default", "Background_Col=0", false, Settings::kBackgroundCol,
         "-2147483633"},
        {"an empty bitmap name is 0", "Background_bmp=", false, Settings::kBackgroundBmp, "0"},
        {"shadows follow the animation by default", "Cards_Animate=N", false,
         Settings::kCardsShadowed, "N"},
        {"shadows can differ from the animation", "Cards_Animate=N\nCards_Shadowed=Y", false,
         Settings::kCardsShadowed, "Y"},
        {"keys match without regard to case", "game_name=Spider\nGAME=3", false,
         Settings::kGameName, "Spider"},
        {"a number that is not one is the default", "Speed_Move_Card=fast", false,
         Settings::kSpeedMoveCard, "10"},
        {"a player is kept", "UserDefault=Bob", false, Settings::kPlayer, "Bob"},
    };
    for (const Row& r : rows) {
        TestDir dir;
        WriteFile(dir / "CFG.DAT", std::string("[Preference]\n") + r.file + "\n");
        IniFile config(dir / "CFG.DAT");
        Settings s;
        LoadPreferences(config, s, r.fewColours);
        EXPECT_EQ(s.Get(r.field), r.expected) << r.name;
    }
}

TEST(Preferences, StartupValuesForTheWindow) {
    TestDir dir;
    WriteFile(dir / "CFG.DAT", "[Preference]\nToolBar_Large=Y\nToolBar_Flat=N\nShow_Time=N\n"
                               "Cursor=13\nAutoPlay=N\nUserDefault=Bob\n");
    IniFile config(dir / "CFG.DAT");
    Settings s;
    StartupPreferences startup = LoadPreferences(config, s, true);
    EXPECT_TRUE(startup.toolBarLarge);
    EXPECT_FALSE(startup.toolBarFlat);
    EXPECT_FALSE(startup.showTime);
    EXPECT_TRUE(startup.showScore);
    EXPECT_EQ(startup.cursor, 13);
    EXPECT_FALSE(startup.autoPlay);
    EXPECT_TRUE(startup.fewColoursNotice);
    EXPECT_EQ(config.ReadString("Users", "User001"), ""); // a named player writes nothing
    EXPECT_EQ(ReadPreference(config, "ConfirmQuit"), "N");
    EXPECT_EQ(ReadPreference(config, "CardCounter_Left"), "-1");
}

TEST(Preferences, FirstPlayerDoesNotTakeAnotherPlayersSlot) {
    TestDir dir;
    WriteFile(dir / "CFG.DAT", "[Users]\nUser001=Ann\nUser002=Bob\n");
    IniFile config(dir / "CFG.DAT");
    Settings s;
    LoadPreferences(config, s, false);
    EXPECT_EQ(config.ReadString("Users", "User001"), "Ann");
    EXPECT_EQ(config.ReadString("Users", "User003"), "Player 1");
    LoadPreferences(config, s, false); // the name is there now: no second entry
    EXPECT_EQ(config.ReadString("Users", "User004"), "");
}

TEST(Advice, GateAndProgramName) {
    TestDir dir;
    IniFile config(dir / "CFG.DAT");
    EXPECT_TRUE(AdviceEnabled(config, "Msg_FirstGame"));
    ASSERT_TRUE(SuppressAdvice(config, "Msg_FirstGame"));
    EXPECT_FALSE(AdviceEnabled(config, "msg_firstgame"));
    EXPECT_TRUE(AdviceEnabled(config, "Msg_Other"));
    EXPECT_EQ(ReadFile(dir / "CFG.DAT"), "[Show_Messages]\nMsg_FirstGame=N\n");
    EXPECT_EQ(ExpandProgramName("Welcome to [Program]! [Program]"),
              "Welcome to Tablamor! [Program]");
    EXPECT_EQ(ExpandProgramName("no name"), "no name");
}

} // namespace
} // namespace tablamor

namespace tablamor {
namespace {

TEST(PreferenceFields, SoundSwitchesHaveTheirPositions) {
    EXPECT_EQ(PreferenceField(tablamor::pref::kSoundsStock), Settings::kSoundsStock);
    EXPECT_EQ(PreferenceField(tablamor::pref::kCardSize), Settings::kCardSize);
    EXPECT_EQ(PreferenceField(tablamor::pref::kToolBarLarge), std::nullopt);
    EXPECT_EQ(PreferenceField("NoSuchKey"), std::nullopt);
}

} // namespace
} // namespace tablamor
