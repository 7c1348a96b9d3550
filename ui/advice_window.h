#pragma once
// The advice window: a hint the player may switch off. It shows the text beside one of two
// pictures, with "Don't show this message box again" and OK. ShowAdvice gates it by the key of
// the hint in section "Show_Messages" of the configuration file and stores "N" there when the
// box was ticked; a configuration that cannot be written only means the hint comes again.
#include "records/ini_file.h"

#include <QDialog>

#include <string_view>

class QCheckBox;
class QLabel;
class QPushButton;

namespace tablamor::ui {

// The picture beside the text: the colour-depth hint or the small-screen hint.
enum class AdvicePage { Color, SmallScreen };

class AdviceWindow : public QDialog {
    Q_OBJECT
public:
    AdviceWindow(const QString& text, AdvicePage page, QWidget* parent = nullptr);

    bool DontShowAgain() const;
    QLabel* MessageLabel() const { return message_; }
    QCheckBox* DontShowBox() const { return dontShow_; }
    QPushButton* OkButton() const { return ok_; }

private:
    QLabel* message_ = nullptr;
    QCheckBox* dontShow_ = nullptr;
    QPushButton* ok_ = nullptr;
};

// Shows the hint modally unless the player switched it off; "[Program]" in the text names the
// program. Returns whether the window was shown.
bool ShowAdvice(QWidget* parent, IniFile& config, std::string_view text, std::string_view key,
                AdvicePage page);

// The colour-depth hint and its key.
inline constexpr std::string_view kFewColoursAdviceKey = "Screen_Under_256_Colors";
extern const std::string_view kFewColoursAdvice;

} // namespace tablamor::ui
