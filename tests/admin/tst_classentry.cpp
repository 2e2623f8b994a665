#include "support/MemberRows.h"
#include "support/OtherDesk.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "admin/ClassEntryScreen.h"
#include "core/MainMod.h"
#include "members/frmMemberEntry.h"
#include "shell/ScreenRegistry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using MainMod::MainDatabase;

namespace {

struct Kind {
    const char* table;
    const char* caption;
    ClassEntryScreen* (*load)();
};

const Kind kKinds[] = {
    {"Sunday_School", "Sunday School Class Entry/Edit", [] { return static_cast<ClassEntryScreen*>(ScreenRegistry::load<frmSSClassEntry>()); }},
    {"Discipleship_Training", "Discipleship Training Class Entry/Edit", [] { return static_cast<ClassEntryScreen*>(ScreenRegistry::load<frmDTClassEntry>()); }},
    {"Wednesday_Night", "Wednesday Night Class Entry/Edit", [] { return static_cast<ClassEntryScreen*>(ScreenRegistry::load<frmWedClassEntry>()); }},
};

qint64 addClass(const QString& table, const QString& name, const QVariant& teacher = {}, const QVariant& asst = {},
                const QVariant& description = QStringLiteral("desc"))
{
    MainDatabase.execute(QStringLiteral("INSERT INTO %1 (Name, Description, Teacher, Asst_Teacher, Location, Notes) "
                                        "VALUES (?, ?, ?, ?, 'Room 1', 'notes')").arg(table),
                         {name, description, teacher, asst});
    return MainDatabase.scalar(QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
}

// Name, Description, Teacher, Asst_Teacher, Location, Notes of one row.
QVariantList row(const QString& table, qint64 id)
{
    Recordset rs = MainDatabase.openRecordset(
        QStringLiteral("SELECT Name, Description, Teacher, Asst_Teacher, Location, Notes FROM %1 WHERE ID = ?").arg(table), {id});
    if (rs.Eof())
        return {};
    QVariantList values;
    for (const char* column : {"Name", "Description", "Teacher", "Asst_Teacher", "Location", "Notes"})
        values << rs.Field(QString::fromLatin1(column));
    return values;
}

int count(const QString& table)
{
    return MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toInt();
}

void addKindRows()
{
    QTest::addColumn<int>("kind");
    for (int i = 0; i < 3; ++i)
        QTest::newRow(kKinds[i].table) << i;
}

} // namespace

class TestClassEntry : public QObject {
    Q_OBJECT

private slots:
    void addsANewClassBesideTheExistingOnes_data() { addKindRows(); }
    void addsANewClassBesideTheExistingOnes()
    {
        QFETCH(int, kind);
        const Kind& k = kKinds[kind];
        const QString table = QString::fromLatin1(k.table);
        TestDatabase tdb;
        TestArea area;
        const qint64 smith = TestDatabase::addMember(QStringLiteral("Smith"), QStringLiteral("Ann"));
        const qint64 jones = TestDatabase::addMember(QStringLiteral("Jones"), QStringLiteral("Bob"));
        const qint64 first = addClass(table, QStringLiteral("Adults"), smith, jones);
        const QVariantList firstBefore = row(table, first);

        ClassEntryScreen* screen = k.load();
        QCOMPARE(screen->windowTitle(), QString::fromLatin1(k.caption));
        // Opens with nothing chosen, ready to add.
        QCOMPARE(screen->cmbName->count(), 1);
        QCOMPARE(screen->cmbName->currentIndex(), -1);
        QCOMPARE(screen->cmbTeacher->currentIndex(), -1);
        QCOMPARE(screen->cmbAsstTeacher->currentIndex(), -1);
        QVERIFY(screen->txtName->text().isEmpty());
        // Blank entry, then people by last name; no middle name leaves a trailing blank.
        // The stand-by person (ID 1) comes with every database.
        QCOMPARE(screen->cmbTeacher->count(), 4);
        QCOMPARE(screen->cmbTeacher->itemText(0), QString());
        QCOMPARE(screen->cmbTeacher->itemText(1), QStringLiteral("Jones, Bob "));

        QTest::keyClicks(screen->txtName, QStringLiteral("Youth"));
        QTest::keyClicks(screen->txtDescription, QStringLiteral("Teens"));
        screen->cmbTeacher->setCurrentIndex(1);
        QTest::keyClicks(screen->txtLocation, QStringLiteral("Annex"));
        const QString className = QString::fromLatin1(screen->metaObject()->className());
        screen->btnSave->click();
        QTRY_VERIFY(!ScreenRegistry::isOpen(className));

        QCOMPARE(count(table), 2);
        QCOMPARE(row(table, first), firstBefore);
        const qint64 added = MainDatabase.scalar(QStringLiteral("SELECT MAX(ID) FROM %1").arg(table)).toLongLong();
        const QVariantList values = row(table, added);
        QCOMPARE(values.at(0).toString(), QStringLiteral("Youth"));
        QCOMPARE(values.at(1).toString(), QStringLiteral("Teens"));
        QCOMPARE(values.at(2).toLongLong(), jones);
        QVERIFY(values.at(3).isNull());
        QCOMPARE(values.at(4).toString(), QStringLiteral("Annex"));
        // Notes left empty are stored as empty text, not Null.
        QVERIFY(!values.at(5).isNull());
        QCOMPARE(values.at(5).toString(), QString());
        // Each screen writes its own table only.
        for (const Kind& other : kKinds) {
            if (&other != &k)
                QCOMPARE(count(QString::fromLatin1(other.table)), 0);
        }
    }

    void nullTeacherShowsNoChoice_data() { addKindRows(); }
    void nullTeacherShowsNoChoice()
    {
        QFETCH(int, kind);
        const Kind& k = kKinds[kind];
        const QString table = QString::fromLatin1(k.table);
        TestDatabase tdb;
        TestArea area;
        const qint64 smith = TestDatabase::addMember(QStringLiteral("Smith"), QStringLiteral("Ann"));
        const qint64 jones = TestDatabase::addMember(QStringLiteral("Jones"), QStringLiteral("Bob"));
        const qint64 a = addClass(table, QStringLiteral("A"), smith, jones);
        const qint64 b = addClass(table, QStringLiteral("B"), {}, {}, {});
        const qint64 c = addClass(table, QStringLiteral("C"), 999, jones);
        const QVariantList aBefore = row(table, a);

        ClassEntryScreen* screen = k.load();
        screen->cmbName->setCurrentIndex(0);
        QCOMPARE(screen->cmbTeacher->currentText(), QStringLiteral("Smith, Ann "));
        QCOMPARE(screen->cmbAsstTeacher->currentText(), QStringLiteral("Jones, Bob "));
        screen->cmbName->setCurrentIndex(1);
        QCOMPARE(screen->cmbTeacher->currentIndex(), -1);
        QCOMPARE(screen->cmbAsstTeacher->currentIndex(), -1);
        QCOMPARE(screen->txtDescription->text(), QString());
        // A teacher no longer in Member shows no one either; the rest of the class shows.
        screen->cmbName->setCurrentIndex(2);
        QCOMPARE(screen->cmbTeacher->currentIndex(), -1);
        QCOMPARE(screen->cmbAsstTeacher->currentText(), QStringLiteral("Jones, Bob "));

        screen->cmbName->setCurrentIndex(1);
        screen->btnSave->click();
        QCOMPARE(count(table), 3);
        const QVariantList saved = row(table, b);
        QVERIFY(saved.at(2).isNull());
        QVERIFY(saved.at(3).isNull());
        QCOMPARE(row(table, a), aBefore);
        QCOMPARE(row(table, c).at(2).toLongLong(), 999);
    }

    void editSavesToTheChosenRow()
    {
        TestDatabase tdb;
        TestArea area;
        const qint64 smith = TestDatabase::addMember(QStringLiteral("Smith"), QStringLiteral("Ann"));
        const qint64 first = addClass(QStringLiteral("Sunday_School"), QStringLiteral("Adults"), smith);
        const qint64 second = addClass(QStringLiteral("Sunday_School"), QStringLiteral("Adults"), smith, smith);
        const qint64 other = addClass(QStringLiteral("Sunday_School"), QStringLiteral("Babies"));
        const QVariantList firstBefore = row(QStringLiteral("Sunday_School"), first);
        const QVariantList otherBefore = row(QStringLiteral("Sunday_School"), other);

        auto* screen = ScreenRegistry::load<frmSSClassEntry>();
        // The same name twice: each entry leads to its own row.
        QCOMPARE(screen->cmbName->itemText(0), QStringLiteral("Adults"));
        QCOMPARE(screen->cmbName->itemText(1), QStringLiteral("Adults"));
        screen->cmbName->setCurrentIndex(1);
        screen->txtName->selectAll();
        QTest::keyClicks(screen->txtName, QStringLiteral("Adults II"));
        screen->cmbTeacher->setCurrentIndex(0); // the blank entry: no teacher
        screen->btnSave->click();

        QCOMPARE(count(QStringLiteral("Sunday_School")), 3);
        const QVariantList saved = row(QStringLiteral("Sunday_School"), second);
        QCOMPARE(saved.at(0).toString(), QStringLiteral("Adults II"));
        QVERIFY(saved.at(2).isNull());
        QCOMPARE(saved.at(3).toLongLong(), smith);
        QCOMPARE(row(QStringLiteral("Sunday_School"), first), firstBefore);
        QCOMPARE(row(QStringLiteral("Sunday_School"), other), otherBefore);
    }

    // A refused save writes nothing and keeps the screen as it was; the register is free while the message shows.
    void refusedSaveKeepsTheScreen_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("existing");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("gone"); // the person deleted before Save: "teacher", "assistant" or nobody
        QTest::addColumn<bool>("atOtherDesk");
        QTest::addColumn<QString>("title");
        const QString required = QStringLiteral("Required Fields");
        const QString notFound = QStringLiteral("Member Not Found");
        QTest::newRow("new class") << 2 << false << "" << "" << false << required;
        QTest::newRow("class cleared") << 2 << true << "" << "" << false << required;
        for (int i = 0; i < 3; ++i) {
            QTest::addRow("%s, teacher deleted on the member screen", kKinds[i].table)
                << i << true << "Choir" << "teacher" << false << notFound;
            QTest::addRow("%s, assistant deleted at another desk", kKinds[i].table)
                << i << true << "Choir" << "assistant" << true << notFound;
        }
        QTest::newRow("new class, teacher deleted at another desk")
            << 0 << false << "Youth" << "teacher" << true << notFound;
    }
    void refusedSaveKeepsTheScreen()
    {
        QFETCH(int, kind);
        QFETCH(bool, existing);
        QFETCH(QString, name);
        QFETCH(QString, gone);
        QFETCH(bool, atOtherDesk);
        QFETCH(QString, title);
        const Kind& k = kKinds[kind];
        const QString table = QString::fromLatin1(k.table);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        const qint64 smith = TestDatabase::addMember(QStringLiteral("Smith"), QStringLiteral("Ann"));
        const qint64 jones = TestDatabase::addMember(QStringLiteral("Jones"), QStringLiteral("Bob"));
        const qint64 id = addClass(table, QStringLiteral("Choir"), smith, jones);
        ClassEntryScreen* screen = k.load();
        if (existing)
            screen->cmbName->setCurrentIndex(0);
        // As the class shows them, or chosen for a new one.
        screen->cmbTeacher->setCurrentIndex(screen->cmbTeacher->findText(QStringLiteral("Smith, Ann ")));
        screen->cmbAsstTeacher->setCurrentIndex(screen->cmbAsstTeacher->findText(QStringLiteral("Jones, Bob ")));
        screen->txtName->selectAll();
        QTest::keyClick(screen->txtName, Qt::Key_Delete);
        QTest::keyClicks(screen->txtName, name);
        QTest::keyClicks(screen->txtDescription, QStringLiteral("kept"));

        if (!gone.isEmpty()) {
            const bool teacher = gone == QLatin1String("teacher");
            const qint64 person = teacher ? smith : jones;
            QVERIFY(deletePerson(person, atOtherDesk ? tdb.path() : QString()));
            // The stand-by member has taken the deleted person's place.
            QCOMPARE(row(table, id).at(teacher ? 2 : 3).toLongLong(), 1);
            messages.clear();
        }
        const QVariantList before = row(table, id);
        OtherDesk desk(tdb.path());
        QVERIFY(desk.canSaveWhileShown(messages, [&] { QTest::mouseClick(screen->btnSave, Qt::LeftButton); }));

        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().title, title);
        if (title == QLatin1String("Required Fields")) {
            QCOMPARE(messages.last().text, QStringLiteral("Name is Required."));
            QCOMPARE(messages.last().icon, Messages::Icon::None);
        } else {
            QCOMPARE(messages.last().text, QStringLiteral("This member no longer exists."));
            QCOMPARE(messages.last().icon, Messages::Icon::Exclamation);
        }
        QCOMPARE(messages.last().buttons, Messages::Buttons::Ok);
        QCOMPARE(count(table), 1);
        QCOMPARE(row(table, id), before);
        QTest::qWait(0);
        QVERIFY(ScreenRegistry::isOpen(QString::fromLatin1(screen->metaObject()->className())));
        QCOMPARE(screen->cmbName->currentIndex(), existing ? 0 : -1);
        QCOMPARE(screen->txtName->text(), name);
        QVERIFY(screen->txtDescription->text().endsWith(QStringLiteral("kept")));
        QCOMPARE(screen->cmbTeacher->currentText(), QStringLiteral("Smith, Ann "));
        QCOMPARE(screen->cmbAsstTeacher->currentText(), QStringLiteral("Jones, Bob "));
    }

    void awkwardTextIsStoredAndFoundAsTyped_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("apostrophes") << QStringLiteral("O'Brien's 'Class'");
        QTest::newRow("semicolon and SQL") << QStringLiteral("x'; DROP TABLE Member; --");
        QTest::newRow("always true") << QStringLiteral("' OR '1'='1");
        QTest::newRow("wildcards") << QStringLiteral("100% _new_ \"quoted\"");
    }
    void awkwardTextIsStoredAndFoundAsTyped()
    {
        QFETCH(QString, text);
        TestDatabase tdb;
        TestArea area;
        auto* screen = ScreenRegistry::load<frmDTClassEntry>();
        QTest::keyClicks(screen->txtName, text);
        QTest::keyClicks(screen->txtDescription, text);
        QTest::keyClicks(screen->txtLocation, text);
        screen->txtNotes->setPlainText(text + QStringLiteral("\nsecond line"));
        screen->btnSave->click();
        QTRY_VERIFY(!ScreenRegistry::isOpen(QStringLiteral("frmDTClassEntry")));
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt(), 1);

        screen = ScreenRegistry::load<frmDTClassEntry>();
        const int index = screen->cmbName->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        QCOMPARE(index, 0);
        screen->cmbName->setCurrentIndex(index);
        QCOMPARE(screen->txtName->text(), text);
        QCOMPARE(screen->txtDescription->text(), text);
        QCOMPARE(screen->txtLocation->text(), text);
        QCOMPARE(screen->txtNotes->toPlainText(), text + QStringLiteral("\nsecond line"));
    }

    void typingInSelectShowsTheClass()
    {
        TestDatabase tdb;
        TestArea area;
        addClass(QStringLiteral("Sunday_School"), QStringLiteral("Adults"));
        const qint64 youth = addClass(QStringLiteral("Sunday_School"), QStringLiteral("Youth"));
        MainDatabase.execute(QStringLiteral("UPDATE Sunday_School SET Description = 'Teens' WHERE ID = ?"), {youth});
        auto* screen = ScreenRegistry::load<frmSSClassEntry>();
        QTest::keyClick(screen->cmbName, 'y');
        QCOMPARE(screen->cmbName->currentText(), QStringLiteral("Youth"));
        QCOMPARE(screen->txtDescription->text(), QStringLiteral("Teens"));
    }

    // The two person lists show one list of people, each with its own choice; typing picks in the one typed in.
    void typingInAPersonListPicksThatPersonThere()
    {
        TestDatabase tdb;
        TestArea area;
        const qint64 smith = TestDatabase::addMember(QStringLiteral("Smith"), QStringLiteral("Ann"));
        TestDatabase::addMember(QStringLiteral("Jones"), QStringLiteral("Bob"));
        auto* screen = ScreenRegistry::load<frmSSClassEntry>();
        QTest::keyClick(screen->cmbTeacher, 's');
        QCOMPARE(screen->cmbTeacher->currentData().toLongLong(), smith);
        QCOMPARE(screen->cmbAsstTeacher->currentIndex(), -1);
        QTest::keyClick(screen->cmbAsstTeacher, 'j');
        QCOMPARE(screen->cmbAsstTeacher->currentText(), QStringLiteral("Jones, Bob "));
        QCOMPARE(screen->cmbTeacher->currentData().toLongLong(), smith);
    }

    void anOpenMemberScreenReloadsItsLists()
    {
        TestDatabase tdb;
        TestArea area;
        // Closed member screen: the save goes through without it.
        auto* screen = ScreenRegistry::load<frmSSClassEntry>();
        QTest::keyClicks(screen->txtName, QStringLiteral("First"));
        screen->btnSave->click();
        QCOMPARE(count(QStringLiteral("Sunday_School")), 1);
        const qint64 first = MainDatabase.scalar(QStringLiteral("SELECT MAX(ID) FROM Sunday_School")).toLongLong();
        const qint64 ann = TestDatabase::addMember(QStringLiteral("Smith"), QStringLiteral("Ann"));
        MainDatabase.execute(QStringLiteral("UPDATE Member SET Sunday_School_Class = ? WHERE ID = ?"), {first, ann});

        auto* member = ScreenRegistry::load<frmMemberEntry>();
        member->LoadMember(ann);
        QCOMPARE(member->cmbSSClass->currentText(), QStringLiteral("First"));
        QTRY_VERIFY(!ScreenRegistry::isOpen(QStringLiteral("frmSSClassEntry")));
        screen = ScreenRegistry::load<frmSSClassEntry>();
        QTest::keyClicks(screen->txtName, QStringLiteral("Second"));
        screen->btnSave->click();
        // The shown member's lists gained the new class and kept the member's own.
        QCOMPARE(member->cmbSSClass->count(), 2);
        QVERIFY(member->cmbSSClass->findText(QStringLiteral("Second")) >= 0);
        QVERIFY(member->cmbProspectSSClass->findText(QStringLiteral("Second")) >= 0);
        QCOMPARE(member->cmbSSClass->currentText(), QStringLiteral("First"));
        QCOMPARE(member->MemberId(), ann);
    }

    void looksRight()
    {
        TestDatabase tdb;
        TestArea area;
        const qint64 smith = TestDatabase::addMember(QStringLiteral("Smithson-Whitfield"), QStringLiteral("Annabelle"));
        const qint64 jones = TestDatabase::addMember(QStringLiteral("Jones"), QStringLiteral("Bob"));
        addClass(QStringLiteral("Sunday_School"), QStringLiteral("Young Married Adults"), smith, jones);
        auto* screen = ScreenRegistry::load<frmSSClassEntry>();
        screen->cmbName->setCurrentIndex(0);
        grabIfAsked(screen->parentWidget(), QStringLiteral("frmSSClassEntry"));
        QCOMPARE(screen->parentWidget()->pos(), QPoint(0, 0));
    }
};

QTEST_MAIN(TestClassEntry)
#include "tst_classentry.moc"
