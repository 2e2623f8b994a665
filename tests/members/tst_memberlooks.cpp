#include "support/MemberRows.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "DemoData.h"
#include "core/MainMod.h"
#include "members/ListGrid.h"
#include "members/frmMemberEntry.h"
#include "platform/EntryBoxes.h"
#include "platform/IdList.h"
#include "schema/PermissionNames.h"
#include "shell/ScreenRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

using MainMod::MainDatabase;

namespace {

void pick(QComboBox* combo, const QString& text)
{
    combo->setCurrentIndex(combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
}

// A portrait to load: a face on a sky, taller than wide.
QString drawPortrait(const QString& folder)
{
    QImage image(300, 400, QImage::Format_RGB32);
    image.fill(QColor(135, 190, 235));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(60, 90, 160));
    painter.drawRect(40, 280, 220, 120);
    painter.setBrush(QColor(240, 200, 160));
    painter.drawEllipse(QPoint(150, 170), 80, 100);
    painter.end();
    const QString path = folder + QStringLiteral("/carlos portrait.jpg");
    image.save(path);
    return path;
}

// New, the fields a person needs, Save; returns the new ID.
qint64 addFamilyMember(frmMemberEntry* s, const QString& first, const QString& status, bool head)
{
    s->btnNew->click();
    pick(s->cmbMemberStatus, status);
    s->txtFName->setText(first);
    s->txtLName->setText(QStringLiteral("Rivera"));
    s->txtAddress1->setText(QStringLiteral("418 Magnolia Lane"));
    s->txtHomePhone->setValue(QStringLiteral("(615) 555-0188"));
    pick(s->cmbChurchStatus, QStringLiteral("Active"));
    pick(s->cmbProspectStatus, QStringLiteral("Joined"));
    if (head)
        s->chkHOH->click();
    s->btnSaveNew->click();
    return s->MemberId();
}

} // namespace

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
        const QStringList names{"contact",  "demographic", "notes",         "church",
                                "prospect", "attendance",  "organizations", "contributions"};
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

    // A clerk with the right to edit members adds a family of three with a picture, links them, gives one a
    // responsibility and organizations, edits and deletes a member; reopened, the screen shows it all again.
    void clerkAddsAFamily()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        DemoData::fill(MainDatabase);
        MainMod::PictureFolder = tdb.folder();
        MainMod::ChurchState = QStringLiteral("TN");
        const qint64 clerk = addPerson(QStringLiteral("Clerk"), QStringLiteral("Cal"));
        TestDatabase::grant(clerk, PermissionNames::kMemberEntryEdit);
        MainMod::CurrentUserID = clerk;
        MainMod::CurrentUserType = QStringLiteral("User");
        MainMod::CurrentUsername = QStringLiteral("cal");
        const qint64 leaving = addPerson(QStringLiteral("Moved"), QStringLiteral("Away"));

        auto* s = ScreenRegistry::load<frmMemberEntry>();
        QVERIFY(s);
        const qint64 spouse = addFamilyMember(s, QStringLiteral("Elena"), QStringLiteral("Member"), false);
        const qint64 child = addFamilyMember(s, QStringLiteral("Mateo"), QStringLiteral("Child Of Member"), false);
        s->btnNew->click();
        pick(s->cmbMemberStatus, QStringLiteral("Member"));
        s->txtFName->setText(QStringLiteral("Carlos"));
        s->txtLName->setText(QStringLiteral("Rivera"));
        s->txtAddress1->setText(QStringLiteral("418 Magnolia Lane"));
        s->txtHomePhone->setValue(QStringLiteral("(615) 555-0188"));
        s->txtEmail->setText(QStringLiteral("carlos.rivera@example.org"));
        QVERIFY(s->LoadPicture(drawPortrait(tdb.folder())));
        s->chkHOH->click();
        pick(s->cmbChurchStatus, QStringLiteral("Active"));
        pick(s->cmbProspectStatus, QStringLiteral("Joined"));
        s->btnSaveNew->click();
        const qint64 head = s->MemberId();
        QVERIFY(head > 0 && spouse > 0 && child > 0);

        IdList::select(s->cmbMemberAdd, spouse);
        pick(s->cmbRelationship, QStringLiteral("Spouse"));
        s->btnAddFamMember->click();
        IdList::select(s->cmbMemberAdd, child);
        pick(s->cmbRelationship, QStringLiteral("Son"));
        s->btnAddFamMember->click();
        pick(s->cmbResp, QStringLiteral("Usher"));
        s->dtRespStart->setDate(QDate(2026, 1, 4));
        s->dtRespEnd->setDate(QDate(2027, 1, 3));
        s->btnAddResp->click();
        for (const QString& name : {QStringLiteral("Choir"), QStringLiteral("Men's Ministry")}) {
            const auto found = s->lstAllOrganizations->findItems(name, Qt::MatchExactly);
            QVERIFY(!found.isEmpty());
            s->lstAllOrganizations->setCurrentItem(found.first());
            s->btnAdd->click();
        }
        s->txtOccupation->setText(QStringLiteral("Carpenter"));
        s->btnSaveNew->click();

        s->LoadMember(leaving);
        s->btnDelete->click();
        QCOMPARE(messages.count(), 1); // the question
        s->btnExit->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        s = ScreenRegistry::load<frmMemberEntry>();
        QCOMPARE(s->cmbMember->findData(leaving), -1);
        s->cmbMember->setCurrentIndex(s->cmbMember->findData(head));
        QCOMPARE(s->txtFName->text(), QStringLiteral("Carlos"));
        QCOMPARE(s->txtOccupation->text(), QStringLiteral("Carpenter"));
        QVERIFY(!s->imgPic->pixmap().isNull());
        QCOMPARE(s->vsfgFamilyMembers->rows(), 2);
        QCOMPARE(s->vsfgChurchResponsibilites->rows(), 1);
        QCOMPARE(s->vsfgChurchResponsibilites->value(0, 1).toDate(), QDate(2026, 1, 4));
        QCOMPARE(entries(s->lstMemberOrganizations), (QStringList{"Choir", "Men's Ministry"}));
        QCOMPARE(messages.count(), 1);
        s->SSTab1->setCurrentIndex(0);
        grabIfAsked(s->parentWidget(), QStringLiteral("frmMemberEntry-family-contact"));
        s->SSTab1->setCurrentIndex(3);
        grabIfAsked(s->parentWidget(), QStringLiteral("frmMemberEntry-family-church"));
        s->LoadMember(child);
        QCOMPARE(s->vsfgFamilyMembers->rows(), 1);
        QCOMPARE(s->vsfgFamilyMembers->value(0, 0).toLongLong(), head);
    }
};

QTEST_MAIN(TestMemberLooks)
#include "tst_memberlooks.moc"
