#pragma once

#include <QString>
#include <QVariant>

// How the navigators' grids show stored values: a full grid shows tens of thousands of them, so the usual stored
// forms are turned into text without parsing.
namespace NavigatorCells {

// A stored date as M/d/yyyy; empty when there is none.
QString date(const QVariant& stored);
// A stored date as MM/dd/yyyy, for the columns that line their dates up; empty when there is none.
QString paddedDate(const QVariant& stored);
// A stored phone; the masked text it is usually stored as is shown as it stands.
QString phone(const QVariant& stored);

} // namespace NavigatorCells
