#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "admin/frmValueEntry.h"
#include "core/MainMod.h"
#include "shell/ScreenRegistry.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using MainMod::MainDatabase;

namespace {

int countExact(const QString& table, const QString& column, const QString& value)
{
    return MainDatabase
        .scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ? COLLATE BINARY").arg(table, column), {value})
        .toInt();
}

int rowCount(const QString& table)
{
    return MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toInt();
}

// Every row of every table as text, to show that a failed delete changed nothing at all.
QStringList snapshot()
{
    QStringList rows;
    Recordset tables = MainDatabase.openRecordset(
        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%' ORDER BY name"));
    for (; !tables.Eof(); tables.MoveNext()) {
        const QString table = tables.Text(QStringLiteral("name"));
        QStringList quoted;
        Recordset columns = MainDatabase.openRecordset(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table});
        for (; !columns.Eof(); columns.MoveNext())
            quoted << QStringLiteral("quote(\"%1\")").arg(columns.Text(QStringLiteral("name")));
        Recordset data = MainDatabase.openRecordset(
            QStringLiteral("SELECT %1 AS r FROM \"%2\" ORDER BY rowid").arg(quoted.join(QStringLiteral(" || '|' || ")), table));
        for (; !data.Eof(); data.MoveNext())
            rows << table + QLatin1Char(':') + data.Text(QStringLiteral("r"));
    }
    return rows;
}

int rowOf(const QListWidget* list, const QString& value)
{
    const auto found = list->findItems(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return found.isEmpty() ? -1 : list->row(found.first());
}

// One row naming the value in the column "Table.Column".
void addReference(const QString& ref, const QString& value)
{
    const QString table = ref.section(QLatin1Char('.'), 0, 0);
    const QString column = ref.section(QLatin1Char('.'), 1, 1);
    if (table == QLatin1String("Member")) {
        const qint64 id = TestDatabase::addMember(QStringLiteral("Holder"), QStringLiteral("Kept"));
        MainDatabase.execute(QStringLiteral("UPDATE Member SET %1 = ? WHERE ID = ?").arg(column), {value, id});
    } else {
        MainDatabase.execute(QStringLiteral("INSERT INTO %1 (%2) VALUES (?)").arg(table, column), {value});
    }
}

template <class T>
T* control(QWidget* screen, const QString& name)
{
    T* found = screen->findChild<T*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

} // namespace

class TestValueEntry : public QObject {
    Q_OBJECT

private slots:
    void deleteClearsThatValueInAnyLetterCaseOrNothing_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QStringList>("refs");
        QTest::addColumn<bool>("removesRows");
        QTest::newRow("attendance level")
            << "AttendanceLevel" << "AttendanceLevels" << "Levels"
            << QStringList{"Member.Sunday_School_Attendance_Level", "Member.Worship_Service_Attendance_Level",
                           "Member.Discipleship_Training_Attendance_Level",
                           "Member.Sunday_Evening_Service_Attendance_Level", "Member.Wednesday_Night_Attendance_Level"}
            << false;
        QTest::newRow("prospect action")
            << "ProspectAction" << "Prospect_Action" << "Action"
            << QStringList{"Member.Prospect_Next_Contact_Action", "Outreach_Phase.Action", "Prospect_Contact.Action"}
            << false;
        QTest::newRow("relationship") << "Relationship" << "Relationships" << "Relationships"
                                      << QStringList{"Family_Connection.Relationship"} << true;
        QTest::newRow("contact rating") << "ProspectContactRating" << "Prospect_Contact_Rating" << "Rating"
                                        << QStringList{"Prospect_Contact.Rating"} << false;
        QTest::newRow("title") << "Title" << "Titles" << "Title" << QStringList{"Member.Title"} << false;
    }
    void deleteClearsThatValueInAnyLetterCaseOrNothing()
    {
        QFETCH(QString, panel);
        QFETCH(QString, table);
        QFETCH(QString, column);
        QFETCH(QStringList, refs);
        QFETCH(bool, removesRows);
        TestDatabase tdb;
        ScriptedMessages messages;
        TestArea area;
        const QString value = QStringLiteral("O'Dell; DELETE FROM Member");
        const QString otherCase = value.toLower();
        for (const QString& v : {value, otherCase})
            MainDatabase.execute(QStringLiteral("INSERT INTO %1 (%2) VALUES (?)").arg(table, column), {v});
        for (const QString& ref : refs)
            for (const QString& v : {value, value, otherCase})
                addReference(ref, v);
        const QString refTable = refs.first().section(QLatin1Char('.'), 0, 0);
        const int refRows = rowCount(refTable);

        auto* screen = ScreenRegistry::load<frmValueEntry>();
        auto* list = control<QListWidget>(screen, "lst" + panel);
        auto* text = control<QLineEdit>(screen, "txt" + panel);
        auto* remove = control<QPushButton>(screen, "btnDelete" + panel);
        list->setCurrentRow(rowOf(list, value));
        QCOMPARE(text->text(), value);

        // The last statement of every cascade removes the value itself: failing there undoes the others.
        MainDatabase.execute(
            QStringLiteral("CREATE TRIGGER refuse BEFORE DELETE ON %1 BEGIN SELECT RAISE(ABORT, 'refused'); END").arg(table));
        const QStringList before = snapshot();
        remove->click();
        QCOMPARE(messages.last().title, QStringLiteral("Database Error"));
        QCOMPARE(snapshot(), before);
        QCOMPARE(text->text(), value);

        MainDatabase.execute(QStringLiteral("DROP TRIGGER refuse"));
        messages.clear();
        remove->click();
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().title, QStringLiteral("Rename Confirmation"));
        QCOMPARE(messages.last().buttons, Messages::Buttons::YesNo);
        // The value in other letter case goes with it, and so do the references to both.
        QCOMPARE(countExact(table, column, value), 0);
        QCOMPARE(countExact(table, column, otherCase), 0);
        for (const QString& ref : refs) {
            QCOMPARE(countExact(ref.section(QLatin1Char('.'), 0, 0), ref.section(QLatin1Char('.'), 1, 1), value), 0);
            QCOMPARE(countExact(ref.section(QLatin1Char('.'), 0, 0), ref.section(QLatin1Char('.'), 1, 1), otherCase),
                     0);
        }
        QCOMPARE(rowCount(refTable), removesRows ? refRows - 3 : refRows);
        QCOMPARE(rowOf(list, value), -1);
        QCOMPARE(rowOf(list, otherCase), -1);
        QVERIFY(text->text().isEmpty());
    }

    void addsOnlyNewValues_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("emptyMessage");
        QTest::newRow("attendance level") << "AttendanceLevel" << "AttendanceLevels" << "Levels"
                                          << "You must enter an attendance level before clicking Add.";
        QTest::newRow("prospect action") << "ProspectAction" << "Prospect_Action" << "Action"
                                         << "You must enter a Prospect Action before clicking Add.";
        QTest::newRow("relationship") << "Relationship" << "Relationships" << "Relationships"
                                      << "You must enter a Relationship before clicking Add.";
        QTest::newRow("contact rating") << "ProspectContactRating" << "Prospect_Contact_Rating" << "Rating"
                                        << "You must enter a Prospect Contact Rating before clicking Add.";
        QTest::newRow("title") << "Title" << "Titles" << "Title" << "You must enter a Title before clicking Add.";
        QTest::newRow("permission") << "Permission" << "Permission" << "Name"
                                    << "You must enter a Permission before clicking Add.";
        QTest::newRow("organization") << "Organization" << "Church_Organizations" << "Name"
                                      << "You must enter an Organization before clicking Add.";
        QTest::newRow("designation") << "Designation" << "ContributionDesignation" << "Name"
                                     << "You must enter a Contribution Designation before clicking Add.";
    }
    void addsOnlyNewValues()
    {
        QFETCH(QString, panel);
        QFETCH(QString, table);
        QFETCH(QString, column);
        QFETCH(QString, emptyMessage);
        TestDatabase tdb;
        ScriptedMessages messages;
        TestArea area;
        auto* screen = ScreenRegistry::load<frmValueEntry>();
        auto* list = control<QListWidget>(screen, "lst" + panel);
        auto* text = control<QLineEdit>(screen, "txt" + panel);
        auto* add = control<QPushButton>(screen, "btnAdd" + panel);
        const int stored = rowCount(table);

        add->click();
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, emptyMessage);
        QCOMPARE(messages.last().title, QStringLiteral("No Data Entered"));
        QCOMPARE(messages.last().icon, Messages::Icon::None);

        const QString value = QStringLiteral(" St. John's; DROP TABLE Member; --");
        QTest::keyClicks(text, value);
        add->click();
        QCOMPARE(countExact(table, column, value), 1);
        QVERIFY(rowOf(list, value) >= 0);
        QVERIFY(text->text().isEmpty());

        // Other letter case is another value; the same value again is not.
        QTest::keyClicks(text, value.toUpper());
        add->click();
        QTest::keyClicks(text, value);
        add->click();
        QCOMPARE(countExact(table, column, value), 1);
        QCOMPARE(countExact(table, column, value.toUpper()), 1);
        QCOMPARE(text->text(), value);
        QCOMPARE(rowCount(table), stored + 2);
        QCOMPARE(list->count(), stored + 2);
        QCOMPARE(messages.count(), 1);
    }

    void deleteNeedsAListedValueAndAYes()
    {
        TestDatabase tdb;
        ScriptedMessages messages;
        TestArea area;
        const qint64 id = TestDatabase::addMember(QStringLiteral("Smith"), QStringLiteral("Ann"));
        MainDatabase.execute(QStringLiteral("UPDATE Member SET Title = 'Mr.' WHERE ID = ?"), {id});
        auto* screen = ScreenRegistry::load<frmValueEntry>();
        const QStringList before = snapshot();
        for (const QString& typed : {QString(), QStringLiteral("MR."), QStringLiteral("Mr")}) {
            screen->txtTitle->setText(typed);
            screen->btnDeleteTitle->click();
        }
        QCOMPARE(messages.count(), 0);

        messages.answer(Messages::Answer::No);
        screen->txtTitle->setText(QStringLiteral("Mr."));
        screen->btnDeleteTitle->click();
        QCOMPARE(messages.last().text, QStringLiteral("Are you sure you want to delete this item? All references in "
                                                      "the database will be removed. Proceed?"));
        QCOMPARE(snapshot(), before);
    }

    void onlyDeletableListsFillTheirBox()
    {
        TestDatabase tdb;
        TestArea area;
        auto* screen = ScreenRegistry::load<frmValueEntry>();
        screen->lstTitle->setCurrentRow(0);
        QCOMPARE(screen->txtTitle->text(), screen->lstTitle->item(0)->text());
        for (QListWidget* list : {screen->lstPermission, screen->lstOrganization, screen->lstDesignation})
            list->setCurrentRow(0);
        QVERIFY(screen->txtPermission->text().isEmpty());
        QVERIFY(screen->txtOrganization->text().isEmpty());
        QVERIFY(screen->txtDesignation->text().isEmpty());
        grabIfAsked(screen->parentWidget(), QStringLiteral("frmValueEntry"));
    }
};

QTEST_MAIN(TestValueEntry)
#include "tst_valueentry.moc"
