#pragma once
// The help window: one browser over the help pages of the program directory. It opens the
// contents, a game's rules page (game id + kRulesTopicBase) or a dialog's topic; links between
// pages follow inside the window. A page that is missing shows a short text that says so instead
// of an empty window. Every show brings the window to the front; Esc closes it.
#include "ui/help_topics.h"

#include <QTextBrowser>

#include <filesystem>

namespace tablamor::ui {

class HelpWindow : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpWindow(const std::filesystem::path& programDir, QWidget* parent = nullptr);

    // Each shows and raises the window; false when the page was missing (the fallback text is
    // shown). A custom game has no rules: ShowRules does nothing and returns false.
    bool ShowContents();
    bool ShowRules(int gameId);
    bool ShowTopic(int topic);

    // The page on view; empty when the fallback text is shown.
    const std::filesystem::path& Page() const { return page_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::filesystem::path helpDir_;
    std::filesystem::path page_;

    bool Open(const std::optional<std::filesystem::path>& page, const QString& missingText);
};

} // namespace tablamor::ui
