// A list that cannot be read to its end is never shown cut short: the screen says why, by the kind of fault.
#include "support/FailingRead.h"
#include "support/MemberRows.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "core/MainMod.h"
#include "members/frmContributionEntry.h"
#include "members/frmMemberEntry.h"
#include "shell/ScreenRegistry.h"

#include <QtTest>

class TestFailedReads : public QObject {
    Q_OBJECT

private slots:
    void aListCutShortIsReported_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("column"); // of Member, read for the screen's person list
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("said");
        const QString busy = QStringLiteral("in use by another program");
        QTest::newRow("member screen, busy") << "frmMemberEntry"
                                             << "Head_Of_Household" << 5 << busy;
        QTest::newRow("member screen, an error") << "frmMemberEntry"
                                                 << "Head_Of_Household" << 1 << "could not carry out a statement";
        QTest::newRow("contribution entry, busy") << "frmContributionEntry"
                                                  << "Envelope" << 5 << busy;
        QTest::newRow("contribution entry, read-only") << "frmContributionEntry"
                                                       << "Envelope" << 8 << "cannot be written";
    }
    void aListCutShortIsReported()
    {
        QFETCH(QString, screen);
        QFETCH(QString, column);
        QFETCH(int, code);
        QFETCH(QString, said);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MainMod::CurrentUserType = QStringLiteral("Admin");
        for (const char* first : {"Ann", "Bea", "Cy"})
            addPerson(QStringLiteral("Adams"), QString::fromLatin1(first), {{"ShowInContributionList", 1}});
        // The last person in name order cannot be read.
        const qint64 last = addPerson(QStringLiteral("Zeta"), QStringLiteral("Zoe"), {{"ShowInContributionList", 1}});
        FailingRead::install(QStringLiteral("Member"), column, last, code);

        QWidget* opened = screen == QLatin1String("frmMemberEntry")
                              ? static_cast<QWidget*>(ScreenRegistry::load<frmMemberEntry>())
                              : static_cast<QWidget*>(ScreenRegistry::load<frmContributionEntry>());
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().title, QStringLiteral("Database Error"));
        QVERIFY2(messages.last().text.contains(said), qPrintable(messages.last().text));
        QCOMPARE(messages.last().icon, Messages::Icon::Critical);
        // Not left open on a short list.
        QVERIFY(!opened);
    }
};

QTEST_MAIN(TestFailedReads)
#include "tst_failedreads.moc"
