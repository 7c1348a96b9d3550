// The customize dialog over the built pictures: what it selects for the stored values, how its
// samples follow the selection, what OK writes, and that Cancel writes nothing.
#include "ui/customize_dialog.h"
#include "ui/tests/dialog_test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTreeWidget>

namespace tablamor::ui::testing {
namespace {

class CustomizeDialogTest : public PreferencesFixture {
protected:
    const std::filesystem::path runtime = TABLAMOR_RUNTIME_DIR;

    static QTreeWidgetItem* Entry(QTreeWidget* tree, const QString& text) {
        const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        EXPECT_EQ(found.size(), 1) << text.toStdString();
        return found.empty() ? nullptr : found.front();
    }
    static QCheckBox* Box(CustomizeDialog& dialog, const char* name) {
        auto* box = dialog.findChild<QCheckBox*>(name);
        EXPECT_NE(box, nullptr) << name;
        return box;
    }
    static QColor Centre(const QImage& image) {
        return image.pixelColor(image.width() / 2, image.height() / 2);
    }
};

TEST_F(CustomizeDialogTest, ShowsTheStoredChoices) {
    IniFile config = Start("[Preference]\nBack_Card=14\nBackground_Fixed_Col=16711680\n"
                           "Background_def=N\nFade_Background=N\nSounds_Enabled=N\n");
    CustomizeDialog dialog(runtime, config, settings);
    ASSERT_NE(dialog.CardBackTree()->currentItem(), nullptr);
    EXPECT_EQ(dialog.CardBackTree()->currentItem()->text(0), "Roses");
    ASSERT_NE(dialog.BackgroundTree()->currentItem(), nullptr);
    EXPECT_EQ(dialog.BackgroundTree()->currentItem()->text(0), "Blue");
    // Blue (0x00BBGGRR) at the edge of the Backgrounds sample, unfaded.
    EXPECT_EQ(dialog.BackgroundSample().pixelColor(0, 0), QColor(0, 0, 255));
    EXPECT_TRUE(Box(dialog, "chkSoundsEnabled")->isChecked());
    EXPECT_FALSE(Box(dialog, "chkFadeBackground")->isChecked());
}

TEST_F(CustomizeDialogTest, SamplesFollowTheSelection) {
    IniFile config = Start("[Preference]\nBack_Card=11\nBackground_Fixed_Col=32768\n"
                           "Fade_Background=N\n");
    CustomizeDialog dialog(runtime, config, settings);
    const QImage greenDecks = dialog.DecksSample();
    const QImage green = dialog.BackgroundSample();

    dialog.BackgroundTree()->setCurrentItem(Entry(dialog.BackgroundTree(), "Meadow"));
    EXPECT_EQ(dialog.ChosenBackground(), 324);
    EXPECT_NE(dialog.BackgroundSample(), green);
    EXPECT_NE(dialog.DecksSample().pixelColor(0, 0), greenDecks.pixelColor(0, 0));

    // The card back sits in the middle of the Decks sample.
    const QImage plaiting = dialog.DecksSample();
    dialog.CardBackTree()->setCurrentItem(Entry(dialog.CardBackTree(), "Tropical fish"));
    EXPECT_EQ(dialog.ChosenBack(), 19);
    EXPECT_NE(dialog.DecksSample(), plaiting);

    // A group entry changes neither the sample nor the chosen back.
    const QImage fish = dialog.DecksSample();
    dialog.CardBackTree()->setCurrentItem(Entry(dialog.CardBackTree(), "Flowers"));
    EXPECT_EQ(dialog.ChosenBack(), 19);
    EXPECT_EQ(dialog.DecksSample(), fish);
}

TEST_F(CustomizeDialogTest, FadeRefillsColourSamplesOnly) {
    IniFile config = Start("[Preference]\nBackground_Fixed_Col=16777215\nFade_Background=N\n");
    CustomizeDialog dialog(runtime, config, settings);
    QCheckBox* fade = Box(dialog, "chkFadeBackground");
    const QImage plain = dialog.BackgroundSample();
    EXPECT_EQ(plain.pixelColor(0, plain.height() - 1), QColor(Qt::white));
    fade->click();
    const QImage faded = dialog.BackgroundSample();
    // Darker towards the bottom.
    EXPECT_LT(faded.pixelColor(0, faded.height() - 1).value(), faded.pixelColor(0, 0).value());

    dialog.BackgroundTree()->setCurrentItem(Entry(dialog.BackgroundTree(), "Parquet"));
    const QImage parquet = dialog.BackgroundSample();
    fade->click();
    EXPECT_EQ(dialog.BackgroundSample(), parquet);
}

TEST_F(CustomizeDialogTest, OkWritesTheChoices) {
    IniFile config = Start("[Preference]\nBack_Card=11\nBackground_Col=255\n"
                           "Background_Fixed_Col=32768\nSounds_Enabled=Y\n");
    CustomizeDialog dialog(runtime, config, settings);
    dialog.CardBackTree()->setCurrentItem(Entry(dialog.CardBackTree(), "Roses"));
    dialog.BackgroundTree()->setCurrentItem(Entry(dialog.BackgroundTree(), "Meadow"));
    Box(dialog, "chkFadeBackground")->setChecked(false);
    Box(dialog, "chkSoundsEnabled")->setChecked(true);
    dialog.accept();

    EXPECT_EQ(Value(config, "Back_Card"), "14");
    EXPECT_EQ(Value(config, "Background_bmp"), "324");
    EXPECT_EQ(Value(config, "Background_Col"), "255");
    EXPECT_EQ(Value(config, "Background_Fixed_Col"), "0");
    EXPECT_EQ(Value(config, "Background_def"), "N");
    EXPECT_EQ(Value(config, "Fade_Background"), "N");
    EXPECT_EQ(Value(config, "Sounds_Enabled"), "N");
    EXPECT_EQ(settings.Get(Settings::kBackCard), "014");
    EXPECT_EQ(settings.Get(Settings::kBackgroundBmp), "324");
    EXPECT_EQ(settings.Get(Settings::kBackgroundCol), "255");
    EXPECT_EQ(settings.Get(Settings::kBackgroundFixedCol), "0");
    EXPECT_EQ(settings.Get(Settings::kBackgroundDef), "N");
    EXPECT_EQ(settings.Get(Settings::kFadeBackground), "N");
    EXPECT_EQ(settings.Get(Settings::kSoundsEnabled), "N");
}

TEST_F(CustomizeDialogTest, OkWithAColourStoresItAsFixedColour) {
    IniFile config = Start("[Preference]\nBackground_bmp=304\nBackground_Fixed_Col=0\n");
    CustomizeDialog dialog(runtime, config, settings);
    EXPECT_EQ(dialog.BackgroundTree()->currentItem()->text(0), "Brick wall 1");
    dialog.BackgroundTree()->setCurrentItem(Entry(dialog.BackgroundTree(), "Teal"));
    dialog.accept();
    EXPECT_EQ(Value(config, "Background_bmp"), "0");
    EXPECT_EQ(Value(config, "Background_Fixed_Col"), "8421376");
    EXPECT_EQ(settings.Get(Settings::kBackgroundFixedCol), "8421376");
    EXPECT_EQ(settings.Get(Settings::kBackgroundBmp), "0");
}

TEST_F(CustomizeDialogTest, MediumCardsKeepBackSixButTheFileKeepsTheChoice) {
    IniFile config = Start("[Preference]\nCard_Size=M\n");
    CustomizeDialog dialog(runtime, config, settings);
    dialog.CardBackTree()->setCurrentItem(Entry(dialog.CardBackTree(), "Boat"));
    dialog.accept();
    EXPECT_EQ(settings.Get(Settings::kBackCard), "006");
    EXPECT_EQ(Value(config, "Back_Card"), "1");
}

// The card size: the stored one is shown ("Fit to window" for a player who never chose), and
// OK stores the one chosen.
TEST_F(CustomizeDialogTest, CardSizeIsShownAndStored) {
    struct Row {
        const char* file;
        const char* shown;
        const char* chosen;
        const char* stored;
    };
    const Row rows[] = {
        {"", "Fit to window", "Big", "B"},
        {"Card_Size=P\n", "Small", "Fit to window", "F"},
        {"Card_Size=M\n", "Medium", "Medium", "M"},
    };
    for (const Row& row : rows) {
        IniFile config = Start(std::string("[Preference]\n") + row.file);
        CustomizeDialog dialog(runtime, config, settings);
        auto* size = dialog.findChild<QComboBox*>("cmbCardSize");
        ASSERT_NE(size, nullptr);
        EXPECT_EQ(size->currentText(), row.shown) << row.file;
        size->setCurrentText(row.chosen);
        dialog.accept();
        EXPECT_EQ(Value(config, "Card_Size"), row.stored) << row.file;
        EXPECT_EQ(settings.CardSize(), row.stored) << row.file;
    }
}

TEST_F(CustomizeDialogTest, UntouchedOkKeepsTheDefaultBackground) {
    IniFile config = Start("[Preference]\nBackground_def=Y\nBackground_Fixed_Col=0\n");
    CustomizeDialog dialog(runtime, config, settings);
    EXPECT_EQ(dialog.ChosenBackground(), 0);
    dialog.accept();
    EXPECT_EQ(Value(config, "Background_def"), "Y");
    EXPECT_EQ(Value(config, "Background_Fixed_Col"), "0");
    EXPECT_EQ(settings.Get(Settings::kBackgroundDef), "Y");
}

TEST_F(CustomizeDialogTest, CancelAfterBrowsingWritesNothing) {
    IniFile config = Start("[Preference]\nBack_Card=3\nBackground_bmp=287\n"
                           "Background_Fixed_Col=0\nSounds_Enabled=Y\n");
    const std::string before = Bytes();
    const Settings settingsBefore = settings;
    CustomizeDialog dialog(runtime, config, settings);
    dialog.show();
    for (const char* name : {"Blue", "Meadow", "Moquette"})
        dialog.BackgroundTree()->setCurrentItem(Entry(dialog.BackgroundTree(), name));
    dialog.CardBackTree()->setCurrentItem(Entry(dialog.CardBackTree(), "Roses"));
    Box(dialog, "chkFadeBackground")->toggle();
    Box(dialog, "chkSoundsEnabled")->toggle();
    dialog.reject();
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(settings.Get({1, Settings::kStringLength - 1}),
              settingsBefore.Get({1, Settings::kStringLength - 1}));

    // Shown again, it starts from the stored choices.
    dialog.show();
    EXPECT_EQ(dialog.CardBackTree()->currentItem()->text(0), "Snowman");
    EXPECT_EQ(dialog.BackgroundTree()->currentItem()->text(0), "Metal gold");
}

} // namespace
} // namespace tablamor::ui::testing
