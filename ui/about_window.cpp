#include "ui/about_window.h"

#include "records/record_names.h"
#include "table/qt_text.h"
#include "ui/web_address.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QUrl>
#include <QVBoxLayout>

#ifndef TABLAMOR_VERSION
#error "TABLAMOR_VERSION comes from the project version in CMake"
#endif

namespace tablamor::ui {

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About %1").arg(ProgramName()));
    setModal(true);
    auto* column = new QVBoxLayout(this);
    auto* name = new QLabel(QStringLiteral("<h2>%1</h2>").arg(ProgramName()), this);
    name->setObjectName("lblProgram");
    auto* version = new QLabel(tr("Version %1").arg(Version()), this);
    version->setObjectName("lblVersion");
    auto* what = new QLabel(tr("A collection of patience card games."), this);
    const QString address = Q(kDownloadPage);
    auto* link = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(address), this);
    link->setOpenExternalLinks(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    for (QWidget* w :
         {static_cast<QWidget*>(name), static_cast<QWidget*>(version), static_cast<QWidget*>(what),
          static_cast<QWidget*>(link), static_cast<QWidget*>(buttons)})
        column->addWidget(w);
}

QString AboutWindow::ProgramName() {
    return Q(kProductName);
}

QString AboutWindow::Version() {
    return QStringLiteral(TABLAMOR_VERSION);
}

bool AskAndOpenDownloadPage(QWidget* parent) {
    const QString text = QObject::tr("%1 will now open the download page from our Web site.")
                             .arg(AboutWindow::ProgramName()) +
                         QStringLiteral("\n") + QObject::tr("Click OK to continue.");
    const auto answer =
        QMessageBox::information(parent, AboutWindow::ProgramName(), text,
                                 QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
    if (answer != QMessageBox::Ok) return false;
    QDesktopServices::openUrl(QUrl(Q(kDownloadPage)));
    return true;
}

} // namespace tablamor::ui
