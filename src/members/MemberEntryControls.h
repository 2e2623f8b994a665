#pragma once

#include "platform/Controls.h"

#include <QComboBox>
#include <QDateEdit>

// Control makers the member screen's tabs share.
namespace MemberEntryControls {

// A date picker shown as M/d/yyyy with a calendar drop-down.
inline QDateEdit* date(QWidget* parent, const char* objectName, int left, int top, int width = 1575)
{
    auto* picker = Controls::make<QDateEdit>(parent, objectName, left, top, width, 285);
    picker->setDisplayFormat(QStringLiteral("M/d/yyyy"));
    picker->setCalendarPopup(true);
    return picker;
}

// A pick list: the user chooses, never types a value.
inline QComboBox* pick(QWidget* parent, const char* objectName, int left, int top, int width)
{
    auto* combo = Controls::make<QComboBox>(parent, objectName, left, top, width, 315);
    combo->setEditable(false);
    return combo;
}

} // namespace MemberEntryControls
