#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

// A page's single-line edit, named by its control id for tests and
// accessibility.
inline QLineEdit* MakeEdit(QWidget* parent, int id, int widthChars = 7) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::number(id));
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(widthChars, '0')) + 12);
    return edit;
}

// A label that gives its keyboard focus to the control beside it.
inline QLabel* MakeLabel(QWidget* parent, const QString& text, QWidget* buddy = nullptr) {
    auto* label = new QLabel(text, parent);
    if (buddy) label->setBuddy(buddy);
    return label;
}
