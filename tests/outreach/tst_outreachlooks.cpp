#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "DemoData.h"
#include "core/MainMod.h"
#include "outreach/frmOutreachPhaseEntry.h"
#include "outreach/frmProspectContactEntry.h"
#include "shell/ScreenRegistry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

using MainMod::MainDatabase;

// The outreach screens on the demo church.
class TestOutreachLooks : public QObject {
    Q_OBJECT

private slots:
    void demoChurch()
    {
        TestDatabase tdb;
        TestArea area;
        DemoData::fill(MainDatabase);
        MainMod::CurrentUserType = QStringLiteral("Admin");

        auto* plan = ScreenRegistry::load<frmOutreachPhaseEntry>();
        QVERIFY(plan);
        QVERIFY(plan->vsfgPhase->rowCount() > 0);
        grabIfAsked(plan->parentWidget(), QStringLiteral("demo-frmOutreachPhaseEntry"));
        plan->Unload();

        const qint64 latest =
            MainDatabase.scalar(QStringLiteral("SELECT ID FROM Prospect_Contact ORDER BY Contact_Date DESC, ID DESC"))
                .toLongLong();
        auto* contact = ScreenRegistry::load<frmProspectContactEntry>();
        QVERIFY(contact);
        contact->LoadContact(latest);
        QVERIFY(contact->cmbProspect->currentIndex() >= 0);
        QVERIFY(!contact->cmbNextPhase->currentText().isEmpty());
        grabIfAsked(contact->parentWidget(), QStringLiteral("demo-frmProspectContactEntry"));
    }
};

QTEST_MAIN(TestOutreachLooks)
#include "tst_outreachlooks.moc"
