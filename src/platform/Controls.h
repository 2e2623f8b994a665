#pragma once

#include "DateBox.h"
#include "FocusedWheel.h"
#include "NotesBox.h"
#include "Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QString>

#include <type_traits>

// Controls of the fixed-size screens, made at their designed places (in twips).
namespace Controls {

template <class T> T* make(QWidget* parent, const char* objectName, int left, int top, int width, int height)
{
    auto* widget = new T(parent);
    widget->setObjectName(QString::fromLatin1(objectName));
    Twips::place(widget, left, top, width, height);
    if constexpr (std::is_base_of_v<QComboBox, T>)
        FocusedWheel::install(widget);
    return widget;
}

inline QLabel* label(QWidget* parent, const QString& text, int left, int top, int width, int height = 255,
                     Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* widget = new QLabel(text, parent);
    widget->setAlignment(alignment);
    Twips::place(widget, left, top, width, height);
    return widget;
}

inline QLabel* rightLabel(QWidget* parent, const QString& text, int left, int top, int width, int height = 255)
{
    return label(parent, text, left, top, width, height, Qt::AlignRight | Qt::AlignVCenter);
}

// A date picker shown as M/d/yyyy with a calendar drop-down.
inline DateBox* datePicker(QWidget* parent, const char* objectName, int left, int top, int width, int height = 285)
{
    return make<DateBox>(parent, objectName, left, top, width, height);
}

// A notes box of several lines. Tab and Shift+Tab move to the next and previous control, as from every other box,
// and the text is never selected whole on focus: a click puts the cursor where it lands, so a note is added to. A paste
// that holds nothing (an empty clipboard) leaves the note as it was.
inline QPlainTextEdit* notesBox(QWidget* parent, const char* objectName, int left, int top, int width, int height)
{
    auto* box = make<NotesBox>(parent, objectName, left, top, width, height);
    box->setTabChangesFocus(true);
    return box;
}

} // namespace Controls
