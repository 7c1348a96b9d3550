#pragma once
// The customize dialog: the card back, the table background and the master sound switch, each
// previewed in the dialog (a card back over the background on the Decks page, the background
// alone on the Backgrounds page, a test play of every sound on the Sounds page). Showing it
// selects the entries the settings record names. OK writes the preferences file and the settings
// record and accepts; Cancel writes neither. Browsing changes only the samples, so after either
// button the caller reloads the back and background from the settings record and repaints.
#include "records/ini_file.h"
#include "records/settings.h"

#include <QDialog>
#include <QImage>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QSoundEffect;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace tablamor::ui {

inline constexpr int kCustomizeHelpTopic = 1019;

class CustomizeDialog : public QDialog {
    Q_OBJECT
public:
    CustomizeDialog(std::filesystem::path programDir, IniFile& preferences, Settings& settings,
                    QWidget* parent = nullptr);
    ~CustomizeDialog() override;

    // Selects the stored choices and draws the samples (also done on every show).
    void LoadValues();

    QTreeWidget* CardBackTree() const { return backTree_; }
    QTreeWidget* BackgroundTree() const { return backgroundTree_; }
    // The entries chosen now: back 0 while none is; background 0 or less for the default.
    int ChosenBack() const { return chosenBack_; }
    std::int64_t ChosenBackground() const { return chosenBackground_; }
    // The samples as drawn: the Decks page's (background with the card back over it) and the
    // Backgrounds page's.
    const QImage& DecksSample() const { return decksSample_; }
    const QImage& BackgroundSample() const { return backgroundSample_; }
    // The sound name the Sounds page last played (empty before).
    const std::string& LastTestedSound() const { return lastTested_; }

    void accept() override;

signals:
    void HelpRequested(int topic);

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::filesystem::path programDir_;
    IniFile& preferences_;
    Settings& settings_;
    QTabWidget* pages_ = nullptr;
    QTreeWidget* backTree_ = nullptr;
    QTreeWidget* backgroundTree_ = nullptr;
    QLabel* decksLabel_ = nullptr;
    QLabel* decksPicture_ = nullptr;
    QLabel* backgroundLabel_ = nullptr;
    QLabel* backgroundPicture_ = nullptr;
    QCheckBox* fade_ = nullptr;
    QCheckBox* soundsOff_ = nullptr;
    QComboBox* cardSize_ = nullptr; // "Card_Size": fit to window, big, medium, small
    QListWidget* sounds_ = nullptr;
    std::unique_ptr<QSoundEffect> soundTest_;

    int chosenBack_ = 0;
    std::int64_t chosenBackground_ = 0;
    std::int64_t customColour_ = 0;
    QImage backImage_;
    QImage backgroundSample_;
    QImage decksSample_;
    std::string lastTested_;

    QWidget* BuildDecksPage();
    QWidget* BuildBackgroundsPage();
    QWidget* BuildSoundsPage();
    QTreeWidget* NewTree(const char* name, QWidget* parent);
    void FillTree(QTreeWidget* tree, bool backs);
    void LoadTreeIcons();
    QTreeWidgetItem* FindEntry(QTreeWidget* tree, std::int64_t number) const;

    void BackChanged(QTreeWidgetItem* item);
    void BackgroundChanged(QTreeWidgetItem* item);
    void FadeClicked();
    void DrawBackgroundSample();
    void DrawDecksSample();
    void PlaySelectedSound();
};

} // namespace tablamor::ui
