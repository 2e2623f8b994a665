#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "admin/frmResponsibilityEntry.h"
#include "core/MainMod.h"
#include "shell/ScreenRegistry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using MainMod::MainDatabase;

namespace {

void addResponsibility(const QString& name, const QString& description)
{
    MainDatabase.execute(QStringLiteral("INSERT INTO Responsibilities (Name, Description) VALUES (?, ?)"),
                         {name, description});
}

int count(const QString& sql, const SqlParams& params = {})
{
    return MainDatabase.scalar(sql, params).toInt();
}

void typeName(frmResponsibilityEntry* screen, const QString& text)
{
    screen->cmbName->setFocus();
    QTest::keyClicks(screen->cmbName->lineEdit(), text);
}

} // namespace

class TestResponsibilityEntry : public QObject {
    Q_OBJECT

private slots:
    void savesATypedName()
    {
        TestDatabase tdb;
        ScriptedMessages messages;
        TestArea area;
        addResponsibility(QStringLiteral("Deacon"), QStringLiteral("Serves the members"));
        auto* screen = ScreenRegistry::load<frmResponsibilityEntry>();
        QCOMPARE(screen->cmbName->currentIndex(), -1);

        screen->txtDescription->setText(QStringLiteral("nameless"));
        screen->btnSave->click();
        screen->btnDelete->click(); // nothing to delete, nothing asked
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, QStringLiteral("Name is Required."));
        QCOMPARE(messages.last().title, QStringLiteral("Required Fields"));
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM Responsibilities")), 1);

        const QString name = QStringLiteral("Usher's Lead; DROP TABLE Member");
        typeName(screen, name);
        QTest::keyClick(screen->cmbName->lineEdit(), Qt::Key_Return);
        QCOMPARE(screen->cmbName->count(), 1); // typed text never joins the list
        screen->txtDescription->setText(QStringLiteral("Front door"));
        screen->btnSave->click();
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM Responsibilities WHERE Name = ? COLLATE BINARY "
                                      "AND Description = 'Front door'"), {name}),
                 1);
        QTRY_VERIFY(!ScreenRegistry::isOpen(QStringLiteral("frmResponsibilityEntry")));
    }

    void typingFindsTheStoredName()
    {
        TestDatabase tdb;
        TestArea area;
        addResponsibility(QStringLiteral("Deacon"), QStringLiteral("Serves the members"));
        addResponsibility(QStringLiteral("Sunday School Director"), QStringLiteral("Leads the teachers"));
        auto* screen = ScreenRegistry::load<frmResponsibilityEntry>();
        screen->cmbName->setCurrentIndex(1);
        QCOMPARE(screen->txtDescription->text(), QStringLiteral("Leads the teachers"));
        grabIfAsked(screen->parentWidget(), QStringLiteral("frmResponsibilityEntry"));

        screen->cmbName->lineEdit()->clear();
        QCOMPARE(screen->txtDescription->text(), QStringLiteral("Leads the teachers"));
        typeName(screen, QStringLiteral("Deacon"));
        QCOMPARE(screen->txtDescription->text(), QStringLiteral("Serves the members"));
        QTest::keyClicks(screen->cmbName->lineEdit(), QStringLiteral("s"));
        QVERIFY(screen->txtDescription->text().isEmpty());

        // Other letter case finds the row; the save edits it and keeps the name as typed now.
        screen->cmbName->lineEdit()->clear();
        typeName(screen, QStringLiteral("DEACON"));
        QCOMPARE(screen->txtDescription->text(), QStringLiteral("Serves the members"));
        screen->txtDescription->clear();
        screen->btnSave_Click();
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM Responsibilities")), 2);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM Responsibilities WHERE Name = 'DEACON' COLLATE BINARY "
                                      "AND Description = ''")),
                 1);
    }

    void deleteTakesTheHoldingsAlong()
    {
        TestDatabase tdb;
        ScriptedMessages messages;
        TestArea area;
        const qint64 ann = TestDatabase::addMember(QStringLiteral("Smith"), QStringLiteral("Ann"));
        const qint64 bob = TestDatabase::addMember(QStringLiteral("Jones"), QStringLiteral("Bob"));
        addResponsibility(QStringLiteral("Deacon"), QStringLiteral("Serves"));
        addResponsibility(QStringLiteral("Pianist"), QStringLiteral("Plays"));
        for (const auto& [member, name, start] : {std::tuple{ann, "Deacon", "2020-01-01"}, {ann, "Deacon", "2024-01-01"},
                                                  {bob, "Deacon", "2021-01-01"}, {bob, "Pianist", "2021-01-01"}})
            MainDatabase.execute(QStringLiteral("INSERT INTO Member_Responsibility VALUES (?, ?, ?, '2026-12-31')"),
                                 {member, QString::fromLatin1(name), QString::fromLatin1(start)});
        MainDatabase.execute(QStringLiteral("UPDATE Member SET DeaconID = ? WHERE ID = ?"), {ann, bob});
        auto* screen = ScreenRegistry::load<frmResponsibilityEntry>();
        screen->cmbName->setCurrentIndex(screen->cmbName->findText(QStringLiteral("Deacon")));

        messages.answer(Messages::Answer::No);
        screen->btnDelete->click();
        QCOMPARE(messages.last().text, QStringLiteral("Are you sure you want to delete the selected Responsibility?"));
        QCOMPARE(messages.last().title, QStringLiteral("Delete Confirmation"));
        QCOMPARE(messages.last().buttons, Messages::Buttons::YesNo);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM Member_Responsibility")), 4);

        // A failure on the second statement leaves the holdings too.
        MainDatabase.execute(QStringLiteral(
            "CREATE TRIGGER refuse BEFORE DELETE ON Responsibilities BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        screen->btnDelete->click();
        QCOMPARE(messages.last().title, QStringLiteral("Database Error"));
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM Member_Responsibility")), 4);
        QCOMPARE(screen->cmbName->currentText(), QStringLiteral("Deacon"));

        MainDatabase.execute(QStringLiteral("DROP TRIGGER refuse"));
        screen->btnDelete->click();
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM Member_Responsibility WHERE Responsibility = 'Deacon'")), 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM Member_Responsibility WHERE Responsibility = 'Pianist'")), 1);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM Responsibilities")), 1);
        QCOMPARE(count(QStringLiteral("SELECT DeaconID FROM Member WHERE ID = ?"), {bob}), int(ann));
        QCOMPARE(screen->cmbName->count(), 1);
        QVERIFY(screen->cmbName->currentText().isEmpty());
        QVERIFY(screen->txtDescription->text().isEmpty());
        QVERIFY(ScreenRegistry::isOpen(QStringLiteral("frmResponsibilityEntry")));
    }
};

QTEST_MAIN(TestResponsibilityEntry)
#include "tst_responsibilityentry.moc"
