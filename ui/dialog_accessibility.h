#pragma once
// Accessible names for the controls of every dialog: when a dialog is shown, each control that
// takes the keyboard focus and has no name of its own (a button or check box is named by its
// text; a list, a tree, a field or a spin box is not) is named after the label that stands for
// it: its buddy, the label before it in its layout row, or its group box; failing those, its tool
// tip or the window's title (the one list or table such a window is about); the editor of a spin
// box takes the box's name, a set of pages the titles of its pages. The tab order is left as the
// dialogs build it: their controls are created in reading order.
#include <QObject>

class QWidget;

namespace tablamor::ui {

// Names what the accessibility interface cannot name by itself; returns the controls named.
int NameDialogControls(QWidget& dialog);

// Names the controls of every dialog the application shows while `owner` lives.
void NameControlsOfEveryDialog(QObject& owner);

} // namespace tablamor::ui
