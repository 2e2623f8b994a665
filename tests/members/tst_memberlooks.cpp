#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "DemoData.h"
#include "core/MainMod.h"
#include "members/ListGrid.h"
#include "members/frmMemberEntry.h"
#include "shell/ScreenRegistry.h"

#include <QComboBox>
#include <QListWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

using MainMod::MainDatabase;

// The member screen on the demo church, one picture per tab.
class TestMemberLooks : public QObject {
    Q_OBJECT

private slots:
    void everyTabShowsADemoPerson()
    {
        TestDatabase tdb;
        TestArea area;
        DemoData::fill(MainDatabase);
        MainMod::CurrentUserType = QStringLiteral("Admin");
        MainMod::ChurchState = QStringLiteral("TN");
        const qint64 head = MainDatabase
                                .scalar(QStringLiteral("SELECT ID FROM Member WHERE First_Name = 'Michael' AND "
                                                       "Last_Name = 'Thompson'"))
                                .toLongLong();
        const qint64 prospect =
            MainDatabase.scalar(QStringLiteral("SELECT MIN(Prospect_ID) FROM Prospect_Contact")).toLongLong();

        auto* screen = ScreenRegistry::load<frmMemberEntry>();
        QVERIFY(screen);
        grabIfAsked(screen->parentWidget(), QStringLiteral("frmMemberEntry-opened"));
        screen->cmbMember->setCurrentIndex(screen->cmbMember->findData(head));
        QCOMPARE(screen->MemberId(), head);
        QVERIFY(screen->vsfgFamilyMembers->rows() > 0);
        QVERIFY(screen->vsfgChurchResponsibilites->rows() > 0);
        QVERIFY(screen->lstMemberOrganizations->count() > 0);
        QVERIFY(screen->vsfgMemberContributions->rows() > 0);
        int marks = 0;
        for (QTableWidget* cal : std::as_const(screen->calendars))
            for (int r = 1; r < cal->rowCount(); ++r)
                if (cal->item(r, 0) && cal->item(r, 0)->background().color() == QColor(255, 255, 0))
                    ++marks;
        QVERIFY(marks > 0);
        const QStringList names{"contact", "demographic", "notes", "church", "prospect", "attendance", "organizations",
                                "contributions"};
        for (int tab = 0; tab < screen->SSTab1->count(); ++tab) {
            if (tab == 4) {
                screen->LoadMember(prospect);
                QVERIFY(screen->vsfgProspectContacts->rows() > 0);
            }
            screen->SSTab1->setCurrentIndex(tab);
            grabIfAsked(screen->parentWidget(), QStringLiteral("frmMemberEntry-%1-%2").arg(tab).arg(names[tab]));
            if (tab == 4)
                screen->LoadMember(head);
        }
    }
};

QTEST_MAIN(TestMemberLooks)
#include "tst_memberlooks.moc"
