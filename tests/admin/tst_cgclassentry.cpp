#include "support/MemberRows.h"
#include "support/OtherDesk.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "admin/frmCGClassEntry.h"
#include "core/MainMod.h"
#include "shell/ScreenRegistry.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using MainMod::MainDatabase;

namespace {

qint64 addClass(const QString& name)
{
    MainDatabase.execute(QStringLiteral("INSERT INTO Sunday_School (Name) VALUES (?)"), {name});
    return MainDatabase.scalar(QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
}

qint64 addGroup(const QVariant& leader, const QVariant& asst, const QVariant& ssClass, const QVariant& notes = {})
{
    MainDatabase.execute(QStringLiteral("INSERT INTO Care_Group (Group_Leader, Asst_Group_Leader, Sunday_School_Class, "
                                        "Notes) VALUES (?, ?, ?, ?)"),
                         {leader, asst, ssClass, notes});
    return MainDatabase.scalar(QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
}

// Group_Leader, Asst_Group_Leader, Sunday_School_Class, Notes of one group.
QVariantList group(qint64 id)
{
    Recordset rs = MainDatabase.openRecordset(QStringLiteral("SELECT * FROM Care_Group WHERE ID = ?"), {id});
    if (rs.Eof())
        return {};
    return {rs.Field(QStringLiteral("Group_Leader")), rs.Field(QStringLiteral("Asst_Group_Leader")),
            rs.Field(QStringLiteral("Sunday_School_Class")), rs.Field(QStringLiteral("Notes"))};
}

int groups()
{
    return MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM Care_Group")).toInt();
}

int indexOfId(const QComboBox* combo, qint64 id)
{
    for (int i = 0; i < combo->count(); ++i)
        if (combo->itemData(i).toLongLong() == id)
            return i;
    return -1;
}

} // namespace

class TestCareGroupEntry : public QObject {
    Q_OBJECT

private slots:
    void addsANewGroupBesideTheExistingOnes()
    {
        TestDatabase tdb;
        TestArea area;
        const qint64 smith = TestDatabase::addMember(QStringLiteral("Smith"), QStringLiteral("Ann"));
        const qint64 jones = TestDatabase::addMember(QStringLiteral("Jones"), QStringLiteral("Bob"));
        const qint64 adults = addClass(QStringLiteral("Adults"));
        const qint64 existing = addGroup(smith, jones, adults, QStringLiteral("first"));
        const QVariantList before = group(existing);

        auto* screen = ScreenRegistry::load<frmCGClassEntry>();
        QCOMPARE(screen->windowTitle(), QStringLiteral("Care Group Entry/Edit"));
        QCOMPARE(screen->cmbName->count(), 1);
        QCOMPARE(screen->cmbName->itemText(0), QStringLiteral("Smith, Ann"));
        for (QComboBox* combo : {screen->cmbName, screen->cmbTeacher, screen->cmbAsstTeacher, screen->cmbSSClass})
            QCOMPARE(combo->currentIndex(), -1);
        // No blank entry among the classes.
        QCOMPARE(screen->cmbSSClass->count(), 1);

        screen->cmbTeacher->setCurrentIndex(indexOfId(screen->cmbTeacher, jones));
        screen->txtNotes->setPlainText(QStringLiteral("Tuesdays"));
        screen->btnSave->click();

        QCOMPARE(groups(), 2);
        QCOMPARE(group(existing), before);
        const qint64 added = MainDatabase.scalar(QStringLiteral("SELECT MAX(ID) FROM Care_Group")).toLongLong();
        const QVariantList values = group(added);
        QCOMPARE(values.at(0).toLongLong(), jones);
        QVERIFY(values.at(1).isNull());
        QVERIFY(values.at(2).isNull());
        QCOMPARE(values.at(3).toString(), QStringLiteral("Tuesdays"));
        QTRY_VERIFY(!ScreenRegistry::isOpen(QStringLiteral("frmCGClassEntry")));
    }

    void nullChoicesShowNoChoice()
    {
        TestDatabase tdb;
        TestArea area;
        const qint64 smith = TestDatabase::addMember(QStringLiteral("Smith"), QStringLiteral("Ann"));
        const qint64 jones = TestDatabase::addMember(QStringLiteral("Jones"), QStringLiteral("Bob"));
        const qint64 adults = addClass(QStringLiteral("Adults"));
        const qint64 full = addGroup(jones, smith, adults, QStringLiteral("full"));
        const qint64 bare = addGroup(smith, {}, {});
        const qint64 orphan = addGroup(999, {}, adults);
        const QVariantList fullBefore = group(full);

        auto* screen = ScreenRegistry::load<frmCGClassEntry>();
        // A leader missing from Member still lists its group, with empty names.
        QCOMPARE(screen->cmbName->itemText(0), QStringLiteral(", "));
        QCOMPARE(screen->cmbName->itemData(0).toLongLong(), orphan);

        screen->cmbName->setCurrentIndex(indexOfId(screen->cmbName, full));
        QCOMPARE(screen->cmbAsstTeacher->currentData().toLongLong(), smith);
        QCOMPARE(screen->cmbSSClass->currentText(), QStringLiteral("Adults"));
        screen->cmbName->setCurrentIndex(indexOfId(screen->cmbName, bare));
        QCOMPARE(screen->cmbTeacher->currentData().toLongLong(), smith);
        QCOMPARE(screen->cmbAsstTeacher->currentIndex(), -1);
        QCOMPARE(screen->cmbSSClass->currentIndex(), -1);
        QCOMPARE(screen->txtNotes->toPlainText(), QString());
        screen->cmbName->setCurrentIndex(indexOfId(screen->cmbName, orphan));
        QCOMPARE(screen->cmbTeacher->currentIndex(), -1);
        QCOMPARE(screen->cmbSSClass->currentText(), QStringLiteral("Adults"));

        screen->cmbName->setCurrentIndex(indexOfId(screen->cmbName, bare));
        screen->btnSave->click();
        QCOMPARE(groups(), 3);
        const QVariantList saved = group(bare);
        QCOMPARE(saved.at(0).toLongLong(), smith);
        QVERIFY(saved.at(1).isNull());
        QVERIFY(saved.at(2).isNull());
        QCOMPARE(group(full), fullBefore);
    }

    void editSavesToTheChosenRow()
    {
        TestDatabase tdb;
        TestArea area;
        const qint64 smith = TestDatabase::addMember(QStringLiteral("Smith"), QStringLiteral("Ann"));
        const qint64 jones = TestDatabase::addMember(QStringLiteral("Jones"), QStringLiteral("Bob"));
        const qint64 adults = addClass(QStringLiteral("Adults"));
        const qint64 youth = addClass(QStringLiteral("Youth"));
        // Two groups led by the same person read the same in the list.
        const qint64 first = addGroup(smith, jones, adults, QStringLiteral("one"));
        const qint64 second = addGroup(smith, jones, adults, QStringLiteral("two"));
        const QVariantList firstBefore = group(first);

        auto* screen = ScreenRegistry::load<frmCGClassEntry>();
        QCOMPARE(screen->cmbName->itemText(0), screen->cmbName->itemText(1));
        screen->cmbName->setCurrentIndex(indexOfId(screen->cmbName, second));
        QCOMPARE(screen->txtNotes->toPlainText(), QStringLiteral("two"));
        screen->cmbAsstTeacher->setCurrentIndex(0); // the blank entry: no assistant
        screen->cmbSSClass->setCurrentIndex(indexOfId(screen->cmbSSClass, youth));
        screen->txtNotes->setPlainText(QStringLiteral("Meets at O'Neil's; bring snacks"));
        screen->btnSave->click();

        QCOMPARE(groups(), 2);
        QCOMPARE(group(first), firstBefore);
        const QVariantList saved = group(second);
        QCOMPARE(saved.at(0).toLongLong(), smith);
        QVERIFY(saved.at(1).isNull());
        QCOMPARE(saved.at(2).toLongLong(), youth);
        QCOMPARE(saved.at(3).toString(), QStringLiteral("Meets at O'Neil's; bring snacks"));
    }

    // A refused save writes nothing and keeps the screen as it was; the register is free while the message shows.
    void refusedSaveKeepsTheScreen_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::addColumn<QString>("leader"); // the Leader list's text at Save; "-" for no choice at all
        QTest::addColumn<QString>("gone");   // the person deleted before Save: "leader", "assistant" or nobody
        QTest::addColumn<bool>("atOtherDesk");
        QTest::addColumn<QString>("title");
        const QString required = QStringLiteral("Required Fields");
        const QString notFound = QStringLiteral("Member Not Found");
        const QString smith = QStringLiteral("Smith, Ann ");
        QTest::newRow("new group, nothing chosen") << false << "-" << "" << false << required;
        QTest::newRow("new group, blank entry") << false << "" << "" << false << required;
        QTest::newRow("group set to the blank entry") << true << "" << "" << false << required;
        QTest::newRow("leader deleted on the member screen") << true << smith << "leader" << false << notFound;
        QTest::newRow("assistant deleted at another desk") << true << smith << "assistant" << true << notFound;
        QTest::newRow("new group, leader deleted at another desk") << false << smith << "leader" << true << notFound;
    }
    void refusedSaveKeepsTheScreen()
    {
        QFETCH(bool, existing);
        QFETCH(QString, leader);
        QFETCH(QString, gone);
        QFETCH(bool, atOtherDesk);
        QFETCH(QString, title);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        const qint64 smith = TestDatabase::addMember(QStringLiteral("Smith"), QStringLiteral("Ann"));
        const qint64 jones = TestDatabase::addMember(QStringLiteral("Jones"), QStringLiteral("Bob"));
        const qint64 id = addGroup(smith, jones, {}, QStringLiteral("kept"));
        auto* screen = ScreenRegistry::load<frmCGClassEntry>();
        if (existing)
            screen->cmbName->setCurrentIndex(0);
        screen->cmbTeacher->setCurrentIndex(leader == QLatin1String("-") ? -1 : screen->cmbTeacher->findText(leader));
        screen->cmbAsstTeacher->setCurrentIndex(screen->cmbAsstTeacher->findText(QStringLiteral("Jones, Bob ")));
        screen->txtNotes->moveCursor(QTextCursor::End);
        QTest::keyClicks(screen->txtNotes, QStringLiteral(" typed"));

        if (!gone.isEmpty()) {
            const bool ledByThem = gone == QLatin1String("leader");
            const qint64 person = ledByThem ? smith : jones;
            QVERIFY(deletePerson(person, atOtherDesk ? tdb.path() : QString()));
            // The stand-by member has taken the deleted person's place.
            QCOMPARE(group(id).at(ledByThem ? 0 : 1).toLongLong(), 1);
            messages.clear();
        }
        const QVariantList before = group(id);
        OtherDesk desk(tdb.path());
        QVERIFY(desk.canSaveWhileShown(messages, [&] { QTest::mouseClick(screen->btnSave, Qt::LeftButton); }));

        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().title, title);
        if (title == QLatin1String("Required Fields")) {
            QCOMPARE(messages.last().text, QStringLiteral("Leader is Required."));
            QCOMPARE(messages.last().icon, Messages::Icon::None);
        } else {
            QCOMPARE(messages.last().text, QStringLiteral("This member no longer exists."));
            QCOMPARE(messages.last().icon, Messages::Icon::Exclamation);
        }
        QCOMPARE(groups(), 1);
        QCOMPARE(group(id), before);
        QTest::qWait(0);
        QVERIFY(ScreenRegistry::isOpen(QStringLiteral("frmCGClassEntry")));
        QCOMPARE(screen->cmbName->currentIndex(), existing ? 0 : -1);
        QCOMPARE(screen->cmbTeacher->currentText(), leader == QLatin1String("-") ? QString() : leader);
        QCOMPARE(screen->cmbAsstTeacher->currentText(), QStringLiteral("Jones, Bob "));
        QCOMPARE(screen->txtNotes->toPlainText(), existing ? QStringLiteral("kept typed") : QStringLiteral(" typed"));
    }

    void looksRight()
    {
        TestDatabase tdb;
        TestArea area;
        const qint64 smith = TestDatabase::addMember(QStringLiteral("Smithson-Whitfield"), QStringLiteral("Annabelle"));
        const qint64 jones = TestDatabase::addMember(QStringLiteral("Jones"), QStringLiteral("Bob"));
        addGroup(smith, jones, addClass(QStringLiteral("Young Married Adults")), QStringLiteral("Second Tuesday"));
        auto* screen = ScreenRegistry::load<frmCGClassEntry>();
        screen->cmbName->setCurrentIndex(0);
        grabIfAsked(screen->parentWidget(), QStringLiteral("frmCGClassEntry"));
        QCOMPARE(screen->parentWidget()->pos(), QPoint(0, 0));
    }
};

QTEST_MAIN(TestCareGroupEntry)
#include "tst_cgclassentry.moc"
