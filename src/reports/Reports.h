#pragma once

#include <QDate>
#include <QList>
#include <QtGlobal>

// One procedure per printed report. Each fetches its rows, lays them out and shows them in the Report Viewer
// or prints them; a report that cannot be produced says so and the program goes on. Callers check rights.
namespace Reports {

// The administrative listings: always previewed.
void PrintSundaySchoolListingReport();
void PrintDiscipleshipTrainingClassListingReport();
void PrintWednesdayNightClassListingReport();
void PrintCareGroupListingReport();
void PrintChurchRespListingReport();

// Every gift entered (saved) from the first day to the last, both whole, in the order entered, with totals per
// designation and in all: the batch check against the counted cash. Previewed.
void PrintContributionsEntryControlReport(const QDate& fromDate, const QDate& toDate);

// One giving statement per giver, each a letter from the church on a page of its own: the gifts dated from the
// first day to the last, by designation with subtotals, and the giver's total. Member kAllMembers makes one for
// every giver. Previewed.
inline constexpr qint64 kAllMembers = 0;
void PrintMemberContributionsReport(qint64 member, const QDate& fromDate, const QDate& toDate);

// The lists of the people a navigator found, given by ID (the order and repeats of the list do not matter):
// previewed when preview is true, otherwise one copy printed. The labels are always previewed.
void PrintMemberNavigatorReport(const QList<qint64>& ids, bool preview);
void PrintMemberNavigatorDOBAnnivReport(const QList<qint64>& ids, bool preview);
void PrintProspectNavigatorReport(const QList<qint64>& ids, bool preview);
void PrintProspectNavigatorShortReport(const QList<qint64>& ids, bool preview);
void PrintMailingLabels(const QList<qint64>& ids);

// The sheets of one person, each with the family in fixed columns: a prospect with every contact made, for the
// visitor to carry, and a member with the responsibilities held, for the family to correct. Previewed when
// preview is true, otherwise one copy printed. True when the sheet was shown or printed.
bool PrintProspectVisitationSheetReport(qint64 memberId, bool preview);
bool PrintMemberInfoUpdateReport(qint64 memberId, bool preview);

// The rolls of every class of one kind, a class to a page, for the teacher to mark on the roll date.
bool PrintSundaySchoolRollReport(bool preview, const QDate& rollDate);
bool PrintDiscipleshipTrainingRollReport(bool preview, const QDate& rollDate);
bool PrintWednesdayNightRollReport(bool preview, const QDate& rollDate);

// The active prospects of one Sunday School class with their contacts, those with a next contact date first.
// A class without any makes nothing at all, and the result is true.
bool PrintSundaySchoolProspectListingReport(qint64 classId, bool preview);

// Each listed person's marks in the seven attendance categories over the weeks from the first date to the last
// (both included), with each count's share of totalWeeks, the number of weeks the caller counts in the range.
void PrintAttendanceNavigatorCountReport(const QList<qint64>& ids, const QDate& fromDate, const QDate& toDate,
                                         int totalWeeks, bool preview);

} // namespace Reports
