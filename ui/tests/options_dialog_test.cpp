// The options dialog: what it shows for the stored values, what OK writes and in which order,
// and that Cancel writes nothing.
#include "records/ui/options_dialog.h"
#include "ui/tests/dialog_test_support.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>

namespace tablamor::ui::testing {
namespace {

class OptionsDialogTest : public PreferencesFixture {
protected:
    QCheckBox* Box(OptionsDialog& dialog, const char* name) {
        auto* box = dialog.findChild<QCheckBox*>(name);
        EXPECT_NE(box, nullptr) << name;
        return box;
    }
};

TEST_F(OptionsDialogTest, StoredTextsShowTheirBoxes) {
    struct Row {
        const char* key;
        const char* value;
        const char* box;
        bool checked;
    };
    const Row rows[] = {
        {"ConfirmQuit", "No", "chkConfermaUscita", false},
        {"ConfirmQuit", "N", "chkConfermaUscita", false},
        {"ConfirmQuit", "Yes", "chkConfermaUscita", true},
        {"ConfirmQuit", "maybe", "chkConfermaUscita", true},
        {"ConfirmQuitGame", "Nope", "chkConfirmQuitGame", false},
        {"ConfirmQuitGame", "", "chkConfirmQuitGame", true},
        {"ConfirmEnterHiScores", "No", "chkConfirmEnterHiScores", false},
        {"ToolBar_Large", "Y", "chkTBLargeIcons", true},
        {"ToolBar_Flat", "Yes", "chkTBFlatBtn", false}, // only "Y" counts
        {"Show_ToolTips", "N", "chkShowToolTips", false},
        {"Show_Time", "N", "chkTempo", false},
        {"Show_Score", "x", "chkShowScore", true},
        {"Winning_Animation", "x", "chkWinningAnimation", true}, // neither Y nor N: the default
        {"VertScrollBar", "Y", "chkVertScrollBar", true},
        {"Deal_Animation", "N", "chkDealAnimation", false},
        {"Deal_Animation", "x", "chkDealAnimation", true},
        {"Redeal_Animation", "N", "chkRedealAnimation", false},
        {"Winnable_Deals", "Y", "chkWinnableDeals", true},
        {"Winnable_Deals", "x", "chkWinnableDeals", false}, // only "Y" counts
    };
    for (const Row& row : rows) {
        IniFile config = Start(std::string("[Preference]\n") + row.key + "=" + row.value + "\n");
        OptionsDialog dialog(config, settings);
        EXPECT_EQ(Box(dialog, row.box)->isChecked(), row.checked) << row.key << "=" << row.value;
    }
}

TEST_F(OptionsDialogTest, MissingKeysShowTheirDefaults) {
    IniFile config = Start("");
    OptionsDialog dialog(config, settings);
    EXPECT_FALSE(Box(dialog, "chkConfermaUscita")->isChecked());
    EXPECT_TRUE(Box(dialog, "chkConfirmQuitGame")->isChecked());
    EXPECT_FALSE(Box(dialog, "chkTBLargeIcons")->isChecked());
    EXPECT_TRUE(Box(dialog, "chkTBFlatBtn")->isChecked());
    EXPECT_TRUE(Box(dialog, "chkTempo")->isChecked());
    EXPECT_TRUE(Box(dialog, "chkDealAnimation")->isChecked());
    EXPECT_TRUE(Box(dialog, "chkRedealAnimation")->isChecked());
    EXPECT_FALSE(Box(dialog, "chkWinnableDeals")->isChecked());
    EXPECT_EQ(dialog.findChild<QSpinBox*>("spnSpeedMoveCard")->value(), 10);
}

TEST_F(OptionsDialogTest, OkWritesTheDealOptionsAndTheCardSpeed) {
    IniFile config = Start("[Preference]\nSpeed_Move_Card=25\n");
    OptionsDialog dialog(config, settings);
    dialog.show();
    auto* speed = dialog.findChild<QSpinBox*>("spnSpeedMoveCard");
    ASSERT_NE(speed, nullptr);
    EXPECT_EQ(speed->value(), 25);
    Box(dialog, "chkDealAnimation")->setChecked(false);
    Box(dialog, "chkRedealAnimation")->setChecked(true);
    Box(dialog, "chkWinnableDeals")->setChecked(true);
    speed->setValue(3);
    dialog.accept();
    EXPECT_TRUE(dialog.Result().winnableDeals);
    EXPECT_EQ(Value(config, "Winnable_Deals"), "Y");
    EXPECT_EQ(Value(config, "Deal_Animation"), "N");
    EXPECT_EQ(Value(config, "Redeal_Animation"), "Y");
    EXPECT_EQ(Value(config, "Speed_Move_Card"), "3");
    EXPECT_EQ(settings.Get(Settings::kDealAnimation), "N");
    EXPECT_EQ(settings.Get(Settings::kRedealAnimation), "Y");
    EXPECT_EQ(settings.Int(Settings::kSpeedMoveCard), 3);
}

TEST_F(OptionsDialogTest, OkWritesTheKeysInOrderAndTheFields) {
    IniFile config = Start("[Preference]\nStatusBar=N\nUndo_Enabled=2\nShow_ToolTips=N\n"
                           "VertScrollBar=Y\nLanguage=123\n");
    OptionsDialog dialog(config, settings);
    dialog.show();
    Box(dialog, "chkConfermaUscita")->setChecked(true);
    Box(dialog, "chkConfirmQuitGame")->setChecked(false);
    Box(dialog, "chkWinningAnimation")->setChecked(true);
    Box(dialog, "chkTBLargeIcons")->setChecked(true);
    Box(dialog, "chkTBFlatBtn")->setChecked(false);
    Box(dialog, "chkTempo")->setChecked(false);
    Box(dialog, "chkShowScore")->setChecked(true);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    // Keys already in the file keep their lines; the others follow in the order written.
    const std::vector<std::string> expected{"StatusBar",         "Undo_Enabled",
                                            "Show_ToolTips",     "VertScrollBar",
                                            "Language",          "Show_Time",
                                            "Show_Score",        "ConfirmQuit",
                                            "ConfirmQuitGame",   "ConfirmEnterHiScores",
                                            "Winning_Animation", "ToolBar_Large",
                                            "ToolBar_Flat",      "Deal_Animation",
                                            "Redeal_Animation",  "Speed_Move_Card",
                                            "Winnable_Deals"};
    EXPECT_EQ(KeysInOrder(), expected);
    EXPECT_EQ(Value(config, "Show_Time"), "N");
    EXPECT_EQ(Value(config, "Show_Score"), "Y");
    EXPECT_EQ(Value(config, "Language"), "20000");
    EXPECT_EQ(Value(config, "ConfirmQuit"), "Y");
    EXPECT_EQ(Value(config, "ConfirmQuitGame"), "N");
    EXPECT_EQ(Value(config, "ConfirmEnterHiScores"), "Y");
    EXPECT_EQ(Value(config, "Winning_Animation"), "Y");
    EXPECT_EQ(Value(config, "ToolBar_Large"), "Y");
    EXPECT_EQ(Value(config, "ToolBar_Flat"), "N");
    // The hidden boxes write back what they were shown with.
    EXPECT_EQ(Value(config, "Show_ToolTips"), "N");
    EXPECT_EQ(Value(config, "VertScrollBar"), "Y");
    // "StatusBar" is left alone.
    EXPECT_EQ(Value(config, "StatusBar"), "N");

    EXPECT_EQ(settings.Get(Settings::kShowTime), "N");
    EXPECT_EQ(settings.Get(Settings::kShowScore), "Y");
    EXPECT_EQ(settings.Get(Settings::kLanguage), "20000");
    EXPECT_EQ(settings.Get(Settings::kWinningAnimation), "Y");
    EXPECT_EQ(settings.Get(Settings::kVertScrollBar), "Y");
    EXPECT_EQ(settings.Get(Settings::kConfirmQuitGame), "N");
    EXPECT_EQ(settings.Get(Settings::kConfirmEnterHiScores), "Y");
    EXPECT_EQ(settings.Get(Settings::kShowToolTips), "N");

    const OptionsResult& result = dialog.Result();
    EXPECT_TRUE(result.toolBarLarge);
    EXPECT_FALSE(result.toolBarFlat);
    EXPECT_FALSE(result.showTime);
    EXPECT_TRUE(result.showScore);
    EXPECT_FALSE(result.statusBarShown);
    EXPECT_FALSE(result.undoEnabled);
}

TEST_F(OptionsDialogTest, CancelWritesNothing) {
    IniFile config = Start("; kept as it is\n[Preference]\nconfirmquit = No\nShow_Time=Y\n");
    const std::string before = Bytes();
    const Settings settingsBefore = settings;
    OptionsDialog dialog(config, settings);
    dialog.show();
    for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) box->toggle();
    dialog.reject();
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(settings.Get({1, Settings::kStringLength - 1}),
              settingsBefore.Get({1, Settings::kStringLength - 1}));
}

TEST_F(OptionsDialogTest, HelpAsksForItsTopic) {
    IniFile config = Start("");
    OptionsDialog dialog(config, settings);
    int topic = 0;
    QObject::connect(&dialog, &OptionsDialog::HelpRequested, [&](int t) { topic = t; });
    auto* help = dialog.findChild<QPushButton*>("btnAiuto");
    ASSERT_NE(help, nullptr);
    help->click();
    EXPECT_EQ(topic, kOptionsHelpTopic);
}

} // namespace
} // namespace tablamor::ui::testing
