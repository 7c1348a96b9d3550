#include "ui/help_window.h"

#include "records/record_names.h"
#include "table/qt_text.h"

#include <QKeyEvent>
#include <QUrl>

namespace tablamor::ui {
namespace {

constexpr int kDefaultWidth = 640;
constexpr int kDefaultHeight = 520;

} // namespace

HelpWindow::HelpWindow(const std::filesystem::path& programDir, QWidget* parent)
    : QTextBrowser(parent), helpDir_(help::HelpDir(programDir)) {
    setWindowFlag(Qt::Window);
    setWindowTitle(tr("%1 Help").arg(Q(kProductName)));
    setOpenLinks(true);
    setOpenExternalLinks(true);
    setSearchPaths({QString::fromStdString(helpDir_.string())});
    resize(kDefaultWidth, kDefaultHeight);
}

bool HelpWindow::ShowContents() {
    std::optional<std::filesystem::path> page = help::ContentsPage(helpDir_);
    std::error_code error;
    if (!std::filesystem::is_regular_file(*page, error)) page.reset();
    return Open(page, tr("The help pages are missing from the program directory."));
}

bool HelpWindow::ShowRules(int gameId) {
    if (gameId >= kFirstCustomGameId) return false;
    return Open(help::RulesPage(helpDir_, gameId), tr("There is no rules page for this game."));
}

bool HelpWindow::ShowTopic(int topic) {
    return Open(help::TopicPage(helpDir_, topic), tr("There is no help page for this topic."));
}

bool HelpWindow::Open(const std::optional<std::filesystem::path>& page,
                      const QString& missingText) {
    if (page) {
        page_ = *page;
        setSource(QUrl::fromLocalFile(QString::fromStdString(page->string())));
    } else {
        page_.clear();
        clearHistory();
        setPlainText(missingText);
    }
    show();
    raise();
    activateWindow();
    return page.has_value();
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}

} // namespace tablamor::ui
