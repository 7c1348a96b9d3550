#pragma once
// The Players window: the player names of the configuration file in a list, with "Add...",
// "Rename..." and "Choose", which makes the selected name the current player. A refused name is
// explained in a message. Chosen() is the current player when the window closes.
#include "records/ini_file.h"
#include "records/players.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

class QListWidget;
class QPushButton;

namespace tablamor::ui {

class PlayersDialog : public QDialog {
    Q_OBJECT
public:
    // `askName` asks for a name with a caption and a first text; nullopt when cancelled (the
    // tests answer it directly).
    using AskName =
        std::function<std::optional<QString>(const QString& caption, const QString& text)>;

    PlayersDialog(IniFile& config, std::string current, QWidget* parent = nullptr);

    const std::string& Chosen() const { return current_; }
    QListWidget* List() const { return list_; }
    void SetAskName(AskName ask) { askName_ = std::move(ask); }

    void AddPlayer();
    void RenamePlayer();
    void ChooseSelected();

private:
    IniFile& config_;
    std::string current_;
    QListWidget* list_ = nullptr;
    AskName askName_;

    void Fill(const std::string& select);
    // True for Done; otherwise tells the player why the name was refused.
    bool Explain(PlayerChange change);
};

} // namespace tablamor::ui
