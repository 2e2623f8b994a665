#include "frmAttendanceEntry.h"

#include "AttendanceWeeks.h"
#include "SearchStatement.h"

#include "core/Format.h"
#include "core/MainMod.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/DbError.h"
#include "platform/Messages.h"
#include "platform/SqlValue.h"
#include "platform/Transaction.h"
#include "platform/WaitCursor.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>

#include <algorithm>

using Controls::rightLabel;

namespace {

constexpr int kWidth = 11835; // twips, as every navigator opens
constexpr int kButtonWidth = 1095;
constexpr quint32 kAllMarks = 0x7f; // the seven category bits of a grid row

const QString kTitle = QStringLiteral("Attendance Entry/Edit");

// The seven categories in their column order, each heading on two lines.
const QStringList kHeadings{"Sunday\nSchool",
                            "Studied\nLesson",
                            "Read Bible\nDaily",
                            "Worship\nService",
                            "Disc.\nTraining",
                            "Sunday\nEvening",
                            "Wed.\nNight",
                            "ID",
                            "Name",
                            "Status",
                            "Member Status"};

// Everyone, with the week's marks where the person has a row for it.
const QString kBase =
    QStringLiteral("SELECT Member.ID, ") + SearchStatement::gridName() +
    QStringLiteral(", Member.Status, Member.Member_Active_Status, AttendanceData.SS, AttendanceData.SL, "
                   "AttendanceData.RBD, AttendanceData.WS, AttendanceData.DT, AttendanceData.SE, AttendanceData.WN "
                   "FROM Member LEFT JOIN AttendanceData ON AttendanceData.MemberID = Member.ID AND "
                   "AttendanceData.WeekOf = ?");
const QString kOrderBy = QStringLiteral(" ORDER BY Member.Last_Name, Member.First_Name, Member.Middle_Name, Member.ID");

// The settings of config.txt that show or hide each category column, in column order.
QList<const QString*> columnSettings()
{
    return {&MainMod::AttendanceShowSS, &MainMod::AttendanceShowSL, &MainMod::AttendanceShowRBD,
            &MainMod::AttendanceShowWS, &MainMod::AttendanceShowDT, &MainMod::AttendanceShowSE,
            &MainMod::AttendanceShowWN};
}

} // namespace

frmAttendanceEntry::frmAttendanceEntry(QWidget* parent)
    : NavigatorScreen({kIdColumn, {0, 1, 2, 3, 4, 5, 6}, false, QString(), true}, parent)
{
    setObjectName(QStringLiteral("frmAttendanceEntry"));
    setWindowTitle(kTitle);
    buildFrames(QRect(120, 120, 10200, 1815), QStringLiteral("Names"), QRect(120, 2040, 10935, 4215));
    // Room for the two-line headings of the categories.
    vsfgMembers->horizontalHeader()->setMinimumHeight(Twips::toPixels(450));
    buildCriteria();
    connectHandlers();
}

void frmAttendanceEntry::buildCriteria()
{
    QGroupBox* f = Frame1;
    rightLabel(f, QStringLiteral("Week Of"), 120, 240, 900);
    dtWeekOf = datePicker(f, "dtWeekOf", 1080, 240, 1455);
    // Today's fonts need more room than designed: the two right columns move right and the frame widens.
    rightLabel(f, QStringLiteral("Member Status"), 2600, 240, 1440);
    cmbStatus = pickList(f, "cmbStatus", 4100, 240, 2175);
    rightLabel(f, QStringLiteral("Church Status"), 2600, 600, 1440);
    cmbChurchStatus = pickList(f, "cmbChurchStatus", 4100, 600, 2175);
    rightLabel(f, QStringLiteral("Name"), 2600, 960, 1440);
    txtName = textBox(f, "txtName", 4100, 960, 2175);
    rightLabel(f, QStringLiteral("SS Class"), 6340, 240, 1100);
    cmbSSClass = pickList(f, "cmbSSClass", 7500, 240, 2535);
    rightLabel(f, QStringLiteral("Disc Class"), 6340, 600, 1100);
    cmbDiscClass = pickList(f, "cmbDiscClass", 7500, 600, 2535);
    rightLabel(f, QStringLiteral("Wed Class"), 6340, 960, 1100);
    cmbWedClass = pickList(f, "cmbWedClass", 7500, 960, 2535);
    btnFind = button(f, "btnFind", QStringLiteral("Find"), 120, 1320, kButtonWidth);
    btnClear = button(f, "btnClear", QStringLiteral("Clear"), 1320, 1320, kButtonWidth);
    btnSave = button(f, "btnSave", QStringLiteral("Save"), 2520, 1320, kButtonWidth);
    btnExit = button(f, "btnExit", QStringLiteral("Exit"), 3720, 1320, kButtonWidth);
    m_filters = {txtName, cmbStatus, cmbChurchStatus, cmbSSClass, cmbDiscClass, cmbWedClass};

    const QList<QWidget*> order{dtWeekOf,    cmbStatus, cmbChurchStatus, txtName, cmbSSClass, cmbDiscClass,
                                cmbWedClass, btnFind,   btnClear,        btnSave, btnExit,    vsfgMembers};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void frmAttendanceEntry::connectHandlers()
{
    m_filters.installTypeAhead();
    on(btnFind, &QPushButton::clicked, [this] { btnFind_Click(); });
    on(btnClear, &QPushButton::clicked, [this] { btnClear_Click(); });
    on(btnSave, &QPushButton::clicked, [this] { btnSave_Click(); });
    on(btnExit, &QPushButton::clicked, [this] { btnExit_Click(); });
}

void frmAttendanceEntry::Form_Load()
{
    placeOnLoad(kWidth);
    LoadSearchValues();
}

void frmAttendanceEntry::LoadSearchValues()
{
    WaitCursor wait;
    m_filters.load();
    clearGrid();
    setDateQuietly(dtWeekOf, Clock::today());
}

void frmAttendanceEntry::UpdateGrids()
{
    WaitCursor wait;
    const QDate week = AttendanceWeeks::weekOf(dtWeekOf->date());
    SearchStatement search(kBase, {week});
    // Nobody whose church status is exactly "InActive", or who has none, is listed, so their marks are never
    // touched here; any other spelling of the status is listed.
    search.add(QStringLiteral("Member.Member_Active_Status IS NOT NULL AND "
                              "Member.Member_Active_Status <> ? COLLATE BINARY"),
               {QStringLiteral("InActive")});
    m_filters.addTo(search);

    QList<NavigatorRow> rows;
    search.forEachRow(kOrderBy, [&rows](const QSqlQuery& query) {
        NavigatorRow row;
        row.id = query.value(0).toLongLong();
        // The category cells show only their boxes; the ID goes in its own column.
        row.cells = QStringList(kCategories, QString());
        row.cells << query.value(1).toString() << query.value(2).toString() << query.value(3).toString();
        for (int c = 0; c < kCategories; ++c)
            if (query.value(4 + c).toLongLong() != 0)
                row.checks |= 1u << c;
        rows.append(std::move(row));
    });
    showResults(kHeadings, std::move(rows));
    hideColumnsSwitchedOff();
    pickFirstMark();
    m_loadedWeek = week;
    m_savedMarks = marksShown();
}

QList<quint32> frmAttendanceEntry::marksShown() const
{
    QList<quint32> marks;
    marks.reserve(vsfgMembers->dataRows());
    for (const NavigatorRow& row : vsfgMembers->navigatorModel()->rows())
        marks.append(row.checks & kAllMarks);
    return marks;
}

void frmAttendanceEntry::pickFirstMark()
{
    // Space ticks the current cell: it starts on the first category shown, highlighted, never on a hidden one.
    if (vsfgMembers->dataRows() == 0)
        return;
    for (int c = 0; c < kCategories; ++c)
        if (!vsfgMembers->isColumnHidden(c)) {
            vsfgMembers->pickCell(0, c);
            return;
        }
}

void frmAttendanceEntry::hideColumnsSwitchedOff()
{
    const QList<const QString*> settings = columnSettings();
    for (int c = 0; c < kCategories; ++c)
        vsfgMembers->setColumnHidden(c, *settings.at(c) == QLatin1String("No"));
}

void frmAttendanceEntry::btnFind_Click()
{
    UpdateGrids();
}

void frmAttendanceEntry::btnClear_Click()
{
    m_filters.clear();
    setDateQuietly(dtWeekOf, Clock::today());
    clearGrid();
}

void frmAttendanceEntry::btnSave_Click()
{
    if (!DateBox::acceptAllTyped(this))
        return;
    if (vsfgMembers->dataRows() == 0)
        return;
    const QDate week = AttendanceWeeks::weekOf(dtWeekOf->date());
    // The date may have changed since Find: the marks would then overwrite another week.
    const bool otherWeek = week != m_loadedWeek;
    if (otherWeek &&
        Messages::show(QStringLiteral("The marks shown were loaded for the week of %1. Save them to the week of %2?")
                           .arg(Format::dateText(m_loadedWeek), Format::dateText(week)),
                       kTitle, Messages::Icon::Question, Messages::Buttons::YesNo) != Messages::Answer::Yes)
        return;
    // Into the week found, only the boxes the user changed; into another week, everybody listed, whole.
    const QList<NavigatorRow>& rows = vsfgMembers->navigatorModel()->rows();
    QList<quint32> marks = marksShown();
    const bool compare = !otherWeek && m_savedMarks.size() == marks.size();
    QList<Change> people;
    for (int r = 0; r < rows.size(); ++r) {
        const quint32 boxes = compare ? marks.at(r) ^ m_savedMarks.at(r) : kAllMarks;
        if (boxes != 0)
            people.append({&rows.at(r), boxes});
    }
    try {
        saveWeek(week, people);
    } catch (const DbError& error) {
        Messages::show(QStringLiteral("The marks were not saved: the week of %1 is as it was before.\n\n%2")
                           .arg(Format::dateText(week), error.message()),
                       QStringLiteral("Database Error"), Messages::Icon::Critical);
        return;
    }
    m_loadedWeek = week;
    m_savedMarks = std::move(marks);
}

void frmAttendanceEntry::saveWeek(const QDate& week, QList<Change> people)
{
    if (people.isEmpty())
        return;
    WaitCursor wait;
    Database& db = MainMod::MainDatabase;
    const QVariant weekValue = SqlValue::toSql(week);
    Transaction transaction(db, Transaction::Lock::Immediate);

    // What the week holds now: the boxes not given keep it, and only the rows that change are written, so saving a
    // week after ticking a few boxes writes a few rows. The whole week is read through its index, far quicker than
    // looking up each person listed; the rows of people not listed are never looked at.
    struct Stored {
        qint64 row;
        quint32 marks;
    };
    QHash<qint64, Stored> stored;
    const QString storedSql = QStringLiteral("SELECT MemberID, ID, SS, SL, RBD, WS, DT, SE, WN FROM AttendanceData "
                                             "WHERE WeekOf = ?");
    db.forEachRow(storedSql, {weekValue}, [&stored](const QSqlQuery& read) {
        quint32 marks = 0;
        for (int c = 0; c < kCategories; ++c)
            if (read.value(2 + c).toLongLong() != 0)
                marks |= 1u << c;
        stored.insert(read.value(0).toLongLong(), {read.value(1).toLongLong(), marks});
    });

    QSqlQuery remove = db.prepare(QStringLiteral("DELETE FROM AttendanceData WHERE ID = ?"));
    QSqlQuery update = db.prepare(QStringLiteral("UPDATE AttendanceData SET SS = ?, SL = ?, RBD = ?, WS = ?, DT = ?, "
                                                 "SE = ?, WN = ? WHERE ID = ?"));
    // A person deleted since Find gets no row: their rows went with them, and a new one would belong to nobody.
    QSqlQuery insert = db.prepare(QStringLiteral("INSERT INTO AttendanceData (SS, SL, RBD, WS, DT, SE, WN, WeekOf, "
                                                 "MemberID) SELECT ?, ?, ?, ?, ?, ?, ?, ?, ID FROM Member "
                                                 "WHERE ID = ?"));
    // Written in ID order: the week's index entries then come one after another rather than all over the file.
    std::sort(people.begin(), people.end(), [](const Change& a, const Change& b) { return a.row->id < b.row->id; });
    for (const Change& change : people) {
        const NavigatorRow& row = *change.row;
        const auto found = stored.constFind(row.id);
        const bool hasRow = found != stored.constEnd();
        const quint32 now = hasRow ? found->marks : 0;
        const quint32 marks = (now & ~change.boxes) | (row.checks & change.boxes);
        // A person without a mark has no row; a person with marks has exactly one.
        if (marks == 0 ? !hasRow : hasRow && now == marks)
            continue;
        QSqlQuery& write = marks == 0 ? remove : hasRow ? update : insert;
        int at = 0;
        if (marks != 0)
            for (int c = 0; c < kCategories; ++c)
                write.bindValue(at++, int((marks >> c) & 1u));
        if (hasRow) {
            write.bindValue(at, found->row);
        } else {
            write.bindValue(at++, weekValue);
            write.bindValue(at, row.id);
        }
        db.execute(write);
    }
    transaction.commit();
}

void frmAttendanceEntry::btnExit_Click()
{
    Unload();
}
