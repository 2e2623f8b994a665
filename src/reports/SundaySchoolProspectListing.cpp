#include "SundaySchoolProspectListing.h"

#include "ListingPage.h"
#include "PersonLists.h"
#include "ReportRunner.h"
#include "Reports.h"

#include "core/MainMod.h"
#include "reports/engine/Layout.h"
#include "schema/PermissionNames.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlQuery>

namespace SundaySchoolProspectListing {

bool hasProspects(qint64 classId)
{
    return MainMod::MainDatabase
        .scalar(QStringLiteral("SELECT EXISTS (SELECT 1 FROM Member WHERE Prospect_Active_Status = 'Active' AND "
                               "Prospect_Sunday_School_Class_Assigned = ?)"),
                {classId})
        .toBool();
}

QList<qint64> sheetIds(qint64 classId, const QDate& from, const QDate& to, const QStringList& actions)
{
    if (actions.isEmpty())
        return {};
    // The actions go in as one bound list, whatever they hold.
    const QString sql = QStringLiteral(
        "SELECT ID FROM Member WHERE Prospect_Active_Status = 'Active' AND Prospect_Sunday_School_Class_Assigned = ? "
        "AND Prospect_Next_Contact_Date >= ? AND Prospect_Next_Contact_Date <= ? AND "
        "Prospect_Next_Contact_Action IN (SELECT value FROM json_each(?)) "
        "ORDER BY Prospect_Next_Contact_Date, Prospect_Next_Contact_Action, Last_Name, First_Name, ID");
    const QString list =
        QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(actions)).toJson(QJsonDocument::Compact));
    QList<qint64> ids;
    MainMod::MainDatabase.forEachRow(sql, {classId, from, to, list},
                                     [&ids](const QSqlQuery& query) { ids << query.value(0).toLongLong(); });
    return ids;
}

} // namespace SundaySchoolProspectListing

namespace Reports {

bool PrintSundaySchoolProspectListingReport(qint64 classId, bool preview)
{
    if (!SundaySchoolProspectListing::hasProspects(classId))
        return true;
    return produce(QStringLiteral("Sunday School Prospect Listing"), {PermissionNames::kSundaySchoolProspectListing},
                   modeOf(preview), [classId] {
                       ReportEngine::Definition d = PersonLists::crptSundaySchoolProspectListingReport();
                       ListingPage::stamp(d);
                       return ReportEngine::layout(d, PersonLists::classProspectRows(classId),
                                                   PersonLists::classContactRows(classId));
                   });
}

} // namespace Reports
