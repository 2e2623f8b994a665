#pragma once

// One procedure per printed report. Each fetches its rows, lays them out and shows them in the Report Viewer
// or prints them; a report that cannot be produced says so and the program goes on. Callers check rights.
namespace Reports {

// The administrative listings: always previewed.
void PrintSundaySchoolListingReport();
void PrintDiscipleshipTrainingClassListingReport();
void PrintWednesdayNightClassListingReport();
void PrintCareGroupListingReport();
void PrintChurchRespListingReport();

} // namespace Reports
