#include "ui/dialog_accessibility.h"

#include <QAccessible>
#include <QApplication>
#include <QBoxLayout>
#include <QDialog>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTabWidget>

namespace tablamor::ui {
namespace {

QString Plain(QString text) {
    text.remove('&');
    text.remove(QRegularExpression("<[^>]*>"));
    return text.simplified().remove(QRegularExpression("[:\\s]+$"));
}

QString NameOf(const QWidget& w) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(&w));
    return face ? face->text(QAccessible::Name) : QString();
}

// The label in the same layout row, just before the widget.
QLabel* LabelBefore(QWidget& w) {
    QWidget* parent = w.parentWidget();
    QLayout* layout = parent ? parent->layout() : nullptr;
    if (!layout) return nullptr;
    const QList<QLayout*> layouts = [&] {
        QList<QLayout*> all{layout};
        for (int i = 0; i < all.size(); ++i)
            for (int k = 0; k < all[i]->count(); ++k)
                if (QLayout* inner = all[i]->itemAt(k)->layout()) all.push_back(inner);
        return all;
    }();
    for (QLayout* l : layouts) {
        const int index = l->indexOf(&w);
        if (index < 0) continue;
        if (auto* form = qobject_cast<QFormLayout*>(l))
            return qobject_cast<QLabel*>(form->labelForField(&w));
        if (auto* grid = qobject_cast<QGridLayout*>(l)) {
            int row = 0, column = 0, rows = 0, columns = 0;
            grid->getItemPosition(index, &row, &column, &rows, &columns);
            QLayoutItem* before = column > 0 ? grid->itemAtPosition(row, column - 1) : nullptr;
            return before ? qobject_cast<QLabel*>(before->widget()) : nullptr;
        }
        QLayoutItem* before = index > 0 ? l->itemAt(index - 1) : nullptr;
        return before ? qobject_cast<QLabel*>(before->widget()) : nullptr;
    }
    return nullptr;
}

QString LabelFor(QWidget& w, QWidget& dialog) {
    // The editor inside a spin box or a combo box speaks for its box.
    if (QWidget* box = w.parentWidget(); box && (box->focusPolicy() & Qt::TabFocus))
        if (const QString boxName = NameOf(*box); !boxName.isEmpty()) return boxName;
    if (auto* pages = qobject_cast<QTabWidget*>(&w)) {
        QStringList titles;
        for (int i = 0; i < pages->count(); ++i) titles << Plain(pages->tabText(i));
        return QApplication::translate("DialogAccessibility", "Pages: %1").arg(titles.join(", "));
    }
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->buddy() == &w && !Plain(label->text()).isEmpty()) return Plain(label->text());
    if (QLabel* label = LabelBefore(w); label && !Plain(label->text()).isEmpty())
        return Plain(label->text());
    for (QWidget* p = w.parentWidget(); p && p != &dialog; p = p->parentWidget())
        if (auto* box = qobject_cast<QGroupBox*>(p); box && !Plain(box->title()).isEmpty())
            return Plain(box->title());
    if (!w.toolTip().isEmpty()) return Plain(w.toolTip());
    return Plain(dialog.windowTitle()); // the one list or table a window is about
}

// Names each dialog once it is shown.
class DialogWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (auto* dialog = qobject_cast<QDialog*>(watched)) NameDialogControls(*dialog);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int NameDialogControls(QWidget& dialog) {
    int named = 0;
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || !NameOf(*w).isEmpty()) continue;
        const QString name = LabelFor(*w, dialog);
        if (name.isEmpty()) continue;
        w->setAccessibleName(name);
        ++named;
    }
    return named;
}

void NameControlsOfEveryDialog(QObject& owner) {
    qApp->installEventFilter(new DialogWatcher(&owner));
}

} // namespace tablamor::ui
