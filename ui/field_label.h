#pragma once
// FieldLabel: the caption of a dialog field, whose shortcut letter moves the focus to the field.
#include <QLabel>
#include <QString>

namespace tablamor::ui {

inline QLabel* FieldLabel(const QString& caption, QWidget* field, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setBuddy(field);
    return label;
}

} // namespace tablamor::ui
