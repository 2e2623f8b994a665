#pragma once

#include "platform/Controls.h"
#include "platform/Messages.h"

#include <QComboBox>
#include <QDateEdit>

// Control makers the member screen's tabs share, and the Yes/No question its buttons ask.
namespace MemberEntryControls {

// A date picker shown as M/d/yyyy with a calendar drop-down.
inline QDateEdit* date(QWidget* parent, const char* objectName, int left, int top, int width = 1575)
{
    return Controls::datePicker(parent, objectName, left, top, width);
}

// The date of something that has already happened (a birth, a baptism): a two-digit year typed there is never
// ahead of this one.
inline QDateEdit* pastDate(QWidget* parent, const char* objectName, int left, int top, int width = 1575)
{
    DateBox* box = Controls::datePicker(parent, objectName, left, top, width);
    box->setPastDates(true);
    return box;
}

// A pick list: the user chooses, never types a value.
inline QComboBox* pick(QWidget* parent, const char* objectName, int left, int top, int width)
{
    auto* combo = Controls::make<QComboBox>(parent, objectName, left, top, width, 315);
    combo->setEditable(false);
    return combo;
}

// Asks a Yes/No question without an icon; true on Yes.
inline bool confirmed(const QString& text, const QString& title)
{
    return Messages::show(text, title, Messages::Icon::None, Messages::Buttons::YesNo) == Messages::Answer::Yes;
}

} // namespace MemberEntryControls
