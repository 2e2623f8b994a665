#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

class frmMemberEntry;
class QComboBox;
class QListWidget;

// Rows and screens the member screen's tests build on.

// Inserts a row of the given columns into a table; returns its ID.
qint64 addRow(const QString& table, const QVariantMap& columns);
// Adds a person with status "Member" and any further columns; returns the ID.
qint64 addPerson(const QString& last, const QString& first, const QVariantMap& more = {});
// Opens the member screen as an Admin of a church in Cedar Hollow, TN 37150.
frmMemberEntry* openMemberScreen();
// Deletes a person as the office does: shown on the member screen (opened as above), Delete clicked and the question
// answered Yes (the scripted messages' default answer). The member screen stays open.
void deleteOnMemberScreen(qint64 memberId);
// Deletes a person on the member screen as above or, given the database file, at another desk; true when done.
bool deletePerson(qint64 memberId, const QString& otherDeskDatabase = {});
// A gift of the member on a date (ISO text) to a designation.
void addGift(qint64 member, const QString& date, double amount, const QString& designation = "General Fund");
// Types on the Demographic Info tab as a user would, saving nothing: Occupation "Banker", and "5/5/1965" into
// Date of Birth (ticked first when it is not), left waiting in the box.
void typeUnsavedDemographics(frmMemberEntry* screen);
// A week of attendance (its Sunday, ISO text) with the flags set.
void addWeek(qint64 member, const QString& week, const QStringList& flags);

// The texts of a list's entries, in order.
QStringList entries(const QListWidget* list);
QStringList entries(const QComboBox* combo);
