#pragma once

#include <QList>

// One procedure per printed report. Each fetches its rows, lays them out and shows them in the Report Viewer
// or prints them; a report that cannot be produced says so and the program goes on. Callers check rights.
namespace Reports {

// The administrative listings: always previewed.
void PrintSundaySchoolListingReport();
void PrintDiscipleshipTrainingClassListingReport();
void PrintWednesdayNightClassListingReport();
void PrintCareGroupListingReport();
void PrintChurchRespListingReport();

// The lists of the people a navigator found, given by ID (the order and repeats of the list do not matter):
// previewed when preview is true, otherwise one copy printed. The labels are always previewed.
void PrintMemberNavigatorReport(const QList<qint64>& ids, bool preview);
void PrintMemberNavigatorDOBAnnivReport(const QList<qint64>& ids, bool preview);
void PrintProspectNavigatorReport(const QList<qint64>& ids, bool preview);
void PrintProspectNavigatorShortReport(const QList<qint64>& ids, bool preview);
void PrintMailingLabels(const QList<qint64>& ids);

} // namespace Reports
