// Small builders shared by the editing dialogs: a named one-line field that selects its text on
// focus, a named label and a named push button.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "editing/SelectAllOnFocus.h"

namespace kuvanto {

inline QLineEdit* dialogField(QWidget* parent, const QString& name, const QString& text) {
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(name);
    field->setAlignment(Qt::AlignRight);
    field->setMinimumWidth(90);
    SelectAllOnFocus::install(field);
    return field;
}

inline QLabel* dialogLabel(QWidget* parent, const QString& text, const QString& name = {}) {
    auto* label = new QLabel(text, parent);
    if (!name.isEmpty()) label->setObjectName(name);
    return label;
}

inline QPushButton* dialogButton(QWidget* parent, const QString& name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

}  // namespace kuvanto
