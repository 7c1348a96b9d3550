#include "ui/advice_window.h"

#include "records/advice.h"
#include "table/qt_text.h"
#include "table/resource_names.h"
#include "ui/resource_pictures.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>

#include <algorithm>

namespace tablamor::ui {
namespace {

constexpr int kClientWidth = 418, kClientHeight = 161;
constexpr int kMessageLeft = 80, kMessageTop = 12, kMessageWidth = 326, kMessageHeight = 77;
constexpr int kPictureLeft = 8, kPictureTop = 12;
constexpr int kBottomRowTop = 118, kButtonWidth = 80, kButtonHeight = 27;

} // namespace

const std::string_view kFewColoursAdvice =
    "At this time your display driver supports 256 colors or less. This program takes advantage "
    "of 65,536 colors (16 bit) or 16.8 million colors (24 bit) palettes or higher resolutions. "
    "\rIf your video driver allows High or True color mode settings (16 bit or 24 bit), modify "
    "your screen resolution using Properties for Display in Control Panel.";

AdviceWindow::AdviceWindow(const QString& text, AdvicePage page, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("TfrmMsgAdvice");
    setWindowTitle(tr("Information"));
    setModal(true);

    // Page 0 "Color", page 1 "640x480", one picture each.
    auto* pictures = new QStackedWidget(this);
    pictures->setObjectName("pgcPictures");
    for (std::string_view name : {art::kAdviceColor, art::kAdviceSmallScreen}) {
        auto* picture = new QLabel(pictures);
        picture->setObjectName(Q(name));
        picture->setPixmap(ResourcePicture(name));
        pictures->addWidget(picture);
    }
    pictures->setCurrentIndex(page == AdvicePage::Color ? 0 : 1);
    pictures->setGeometry(kPictureLeft, kPictureTop, art::kAdvicePictureSize,
                          art::kAdvicePictureSize);

    message_ = new QLabel(text, this);
    message_->setObjectName("lblMessage");
    message_->setWordWrap(true);
    message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The window grows downwards when the text needs more lines than the label's box holds.
    const int extra = std::max(0, message_->heightForWidth(kMessageWidth) - kMessageHeight);
    message_->setGeometry(kMessageLeft, kMessageTop, kMessageWidth, kMessageHeight + extra);
    setFixedSize(kClientWidth, kClientHeight + extra);
    const int bottomRowTop = kBottomRowTop + extra;

    dontShow_ = new QCheckBox(tr("Don't show this message box again"), this);
    dontShow_->setObjectName("chkNotDisplay");
    dontShow_->move(kMessageLeft,
                    bottomRowTop + (kButtonHeight - dontShow_->sizeHint().height()) / 2);
    dontShow_->resize(dontShow_->sizeHint());

    ok_ = new QPushButton(tr("OK"), this);
    ok_->setObjectName("btnOK");
    ok_->setDefault(true);
    ok_->setGeometry(kClientWidth - kButtonWidth - kPictureLeft * 2, bottomRowTop, kButtonWidth,
                     kButtonHeight);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    if (QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

bool AdviceWindow::DontShowAgain() const {
    return dontShow_->isChecked();
}

bool ShowAdvice(QWidget* parent, IniFile& config, std::string_view text, std::string_view key,
                AdvicePage page) {
    if (!AdviceEnabled(config, key)) return false;
    QString shown = Q(ExpandProgramName(text));
    shown.replace('\r', '\n');
    AdviceWindow window(shown, page, parent);
    window.exec();
    if (window.DontShowAgain()) SuppressAdvice(config, key);
    return true;
}

} // namespace tablamor::ui
