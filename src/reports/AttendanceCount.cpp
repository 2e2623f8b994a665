// The attendance count report: its query, its layout and its procedure.
#include "AttendanceCount.h"

#include "ListingPage.h"
#include "PersonLists.h"
#include "ReportRunner.h"
#include "Reports.h"

#include "core/Format.h"
#include "reports/engine/Layout.h"
#include "schema/PermissionNames.h"

namespace AttendanceCount {

using namespace ReportEngine;

namespace {

const QString kRange = QStringLiteral("Range");
const QString kPercent = QStringLiteral("Percent");

// Each category's heading on two lines.
const QList<QPair<QString, QString>> kHeadings{{"Sunday", "School"},   {"Studied", "Lesson"}, {"Read Bible", "Daily"},
                                               {"Worship", "Service"}, {"Disc.", "Training"}, {"Sunday", "Evening"},
                                               {"Wed.", "Night"}};

constexpr double kNameWidth = 176;
constexpr double kCategoryWidth = 52;

// The share of the weeks, rounded to a whole percent; none when there are no weeks to share.
QVariant share(const QVariant& count, int totalWeeks)
{
    if (totalWeeks <= 0)
        return {};
    return QString::number(qRound(100.0 * count.toDouble() / totalWeeks)) + QLatin1Char('%');
}

} // namespace

const QStringList& categoryColumns()
{
    static const QStringList columns{"SS", "SL", "RBD", "WS", "DT", "SE", "WN"};
    return columns;
}

Rows countRows(const QList<qint64>& ids, const QDate& fromDate, const QDate& toDate, int totalWeeks)
{
    QStringList counted;
    QStringList sums;
    for (const QString& column : categoryColumns()) {
        counted << QStringLiteral("IFNULL(Counts.%1, 0) AS %1").arg(column);
        sums << QStringLiteral("SUM(%1 <> 0) AS %1").arg(column);
    }
    const QString idList = Reports::inIdList(QStringLiteral("MemberID"));
    const QVariant people = Reports::idListValue(ids);
    // Only the listed people's rows of the range are counted.
    Rows rows = Reports::fetchRows(
        PersonLists::memberListSql(QStringLiteral(", ? AS TotalWeeks, ") + counted.join(QStringLiteral(", ")),
                                   QStringLiteral(" LEFT JOIN (SELECT MemberID, %1 FROM AttendanceData "
                                                  "WHERE WeekOf >= ? AND WeekOf <= ? AND %2 GROUP BY MemberID) "
                                                  "AS Counts ON Counts.MemberID = Member.ID")
                                       .arg(sums.join(QStringLiteral(", ")), idList)),
        {totalWeeks, fromDate, toDate, people, people});

    QList<int> at;
    for (const QString& column : categoryColumns()) {
        at << rows.column(column);
        rows.columns << column + kPercent;
    }
    for (QVector<QVariant>& row : rows.values)
        for (int position : at)
            row.append(share(row.at(position), totalWeeks));
    return rows;
}

QString rangeText(const QDate& fromDate, const QDate& toDate, int totalWeeks)
{
    return QStringLiteral("%1 %2 counted, from %3 to %4")
        .arg(totalWeeks)
        .arg(totalWeeks == 1 ? QStringLiteral("week") : QStringLiteral("weeks"), Format::dateText(fromDate),
             Format::dateText(toDate));
}

Definition crptAttendanceNavigatorCountReport()
{
    Definition d;
    d.title = QStringLiteral("Attendance Count");
    QVector<ListingPage::Heading> headings{{QStringLiteral("Name"), 0, kNameWidth, 2}};
    for (int c = 0; c < kHeadings.size(); ++c) {
        const double x = kNameWidth + c * kCategoryWidth;
        headings.append({kHeadings.at(c).first, x, kCategoryWidth, 1, Align::Center});
        headings.append({kHeadings.at(c).second, x, kCategoryWidth, 2, Align::Center});
    }
    ListingPage::frame(d, headings);
    d.pageHeader.add(Element::textObject(0, 40, d.bodyWidth(), 11, kRange).center().italic().size(8));

    Band& b = d.detail;
    b.height = 14;
    b.add(Element::field(0, 1, kNameWidth - 4, 12, QStringLiteral("FullName")).size(8.5));
    for (int c = 0; c < categoryColumns().size(); ++c) {
        const double x = kNameWidth + c * kCategoryWidth;
        const QString column = categoryColumns().at(c);
        b.add(Element::field(x, 1, 20, 12, column, ReportEngine::Format::Integer).right().size(8.5));
        b.add(Element::field(x + 21, 2, 28, 11, column + kPercent).right().italic().size(7));
    }
    b.add(Element::make(Kind::Rule, 0, 13.5, d.bodyWidth(), 0));
    ListingPage::countFooter(d, QStringLiteral("Number of people:"));
    return d;
}

} // namespace AttendanceCount

namespace Reports {

void PrintAttendanceNavigatorCountReport(const QList<qint64>& ids, const QDate& fromDate, const QDate& toDate,
                                         int totalWeeks, bool preview)
{
    produce(QStringLiteral("Attendance Count"), {PermissionNames::kAttendanceNavigatorReport},
            preview ? ReportOutput::Mode::Preview : ReportOutput::Mode::Print, [&] {
                ReportEngine::Definition d = AttendanceCount::crptAttendanceNavigatorCountReport();
                ListingPage::stamp(d);
                d.texts.insert(AttendanceCount::kRange, AttendanceCount::rangeText(fromDate, toDate, totalWeeks));
                return ReportEngine::layout(d, AttendanceCount::countRows(ids, fromDate, toDate, totalWeeks));
            });
}

} // namespace Reports
