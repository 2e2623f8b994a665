#include "support/TestDatabase.h"

#include "core/MainMod.h"
#include "outreach/NextOutreachStep.h"

#include <QtTest>

using MainMod::MainDatabase;
using MainMod::OutreachStep;

namespace {

void setPlan(const QList<QVariantList>& phases)
{
    MainDatabase.execute(QStringLiteral("DELETE FROM Outreach_Phase"));
    for (const QVariantList& phase : phases)
        MainDatabase.execute(QStringLiteral("INSERT INTO Outreach_Phase VALUES (?, ?, ?, ?)"), phase);
}

qint64 prospectIn(const QVariant& phase)
{
    const qint64 id =
        TestDatabase::addMember(QStringLiteral("Page"), QStringLiteral("Pat"), QStringLiteral("Prospect"));
    MainDatabase.execute(QStringLiteral("UPDATE Member SET Prospect_Phase = ? WHERE ID = ?"), {phase, id});
    return id;
}

} // namespace

class TestNextOutreachStep : public QObject {
    Q_OBJECT

private slots:
    // A plan with gaps in its order, a phase whose action was removed, a "*" in a name and fractional weeks.
    void followsThePlan_data()
    {
        QTest::addColumn<QVariant>("phase");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QDate>("contact");
        QTest::addColumn<QString>("nextPhase");
        QTest::addColumn<QDate>("nextDate");
        QTest::addColumn<QString>("nextAction");
        const QDate day(2026, 12, 7);
        QTest::newRow("no phase") << QVariant() << "Letter" << day << "Welcome" << day.addDays(7) << "Visit";
        QTest::newRow("empty phase") << QVariant("") << "Visit" << day << "Welcome" << day.addDays(7) << "Visit";
        QTest::newRow("unknown phase") << QVariant("Gone") << "Visit" << day << "Welcome" << day.addDays(7) << "Visit";
        QTest::newRow("advance, weeks of the phase left (2.5 is 2)")
            << QVariant("Welcome") << "Visit" << day << "Call*Back" << day.addDays(14) << "Phone Call";
        QTest::newRow("stay on another action")
            << QVariant("Welcome") << "Letter" << day << "Welcome" << day.addDays(14) << "Visit";
        QTest::newRow("letter case counts")
            << QVariant("Welcome") << "visit" << day << "Welcome" << day.addDays(14) << "Visit";
        QTest::newRow("phase name matched as stored")
            << QVariant("WELCOME") << "Visit" << day << "Call*Back" << day.addDays(14) << "Phone Call";
        QTest::newRow("advance into a phase without action (3.5 is 4)")
            << QVariant("Call*Back") << "Phone Call" << day << "Quiet" << day.addDays(28) << "";
        QTest::newRow("a removed action is never done")
            << QVariant("Quiet") << "Visit" << day << "Quiet" << day.addDays(7) << "";
        QTest::newRow("wrap from the last phase (0.5 is 0)")
            << QVariant("Letter") << "Letter" << day << "Welcome" << day << "Visit";
        QTest::newRow("leap day, starting")
            << QVariant() << "Visit" << QDate(2028, 2, 22) << "Welcome" << QDate(2028, 2, 29) << "Visit";
        QTest::newRow("leap day, advancing")
            << QVariant("Call*Back") << "Phone Call" << QDate(2028, 2, 1) << "Quiet" << QDate(2028, 2, 29) << "";
    }
    void followsThePlan()
    {
        QFETCH(QVariant, phase);
        QFETCH(QString, action);
        QFETCH(QDate, contact);
        QFETCH(QString, nextPhase);
        QFETCH(QDate, nextDate);
        QFETCH(QString, nextAction);
        TestDatabase db;
        setPlan({{40, "Letter", "Letter", 0.5},
                 {10, "Welcome", "Visit", 2.5},
                 {25, "Quiet", QVariant(), 1},
                 {20, "Call*Back", "Phone Call", 3.5}});
        const qint64 id = prospectIn(phase);
        // The rating never changes the outcome.
        for (const char* rating : {"Very Interested", "", "Not Home"}) {
            const OutreachStep step = MainMod::GetNextOutreachStep(id, contact, action, QString::fromLatin1(rating));
            QCOMPARE(step.phase, nextPhase);
            QCOMPARE(step.date, nextDate);
            QCOMPARE(step.action, nextAction);
        }
    }

    void smallPlans_data()
    {
        QTest::addColumn<QList<QVariantList>>("plan");
        QTest::addColumn<QVariant>("phase");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("nextPhase");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("nextAction");
        const QList<QVariantList> one{{1, "Only", "Visit", 3}};
        QTest::newRow("empty plan, no phase") << QList<QVariantList>{} << QVariant() << "Visit"
                                              << "" << 7 << "";
        QTest::newRow("empty plan, old phase") << QList<QVariantList>{} << QVariant("Only") << "Visit"
                                               << "" << 7 << "";
        QTest::newRow("one phase done") << one << QVariant("Only") << "Visit"
                                        << "Only" << 21 << "Visit";
        QTest::newRow("one phase not done") << one << QVariant("Only") << "Email"
                                            << "Only" << 21 << "Visit";
        QTest::newRow("one phase, starting") << one << QVariant() << "Email"
                                             << "Only" << 7 << "Visit";
        // Two phases of one name: the earlier one is the prospect's.
        QTest::newRow("same name twice") << QList<QVariantList>{{2, "Twin", "Letter", 5}, {1, "Twin", "Visit", 1}}
                                         << QVariant("Twin") << "Visit"
                                         << "Twin" << 7 << "Letter";
    }
    void smallPlans()
    {
        QFETCH(QList<QVariantList>, plan);
        QFETCH(QVariant, phase);
        QFETCH(QString, action);
        QFETCH(QString, nextPhase);
        QFETCH(int, days);
        QFETCH(QString, nextAction);
        TestDatabase db;
        setPlan(plan);
        const QDate day(2026, 12, 7);
        const OutreachStep step = MainMod::GetNextOutreachStep(prospectIn(phase), day, action, QString());
        QCOMPARE(step.phase, nextPhase);
        QCOMPARE(step.date, day.addDays(days));
        QCOMPARE(step.action, nextAction);
    }
};

QTEST_MAIN(TestNextOutreachStep)
#include "tst_nextoutreachstep.moc"
