#include "MemberRows.h"
#include "OtherDesk.h"

#include "core/MainMod.h"
#include "members/frmMemberEntry.h"
#include "shell/ScreenRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>

using MainMod::MainDatabase;

qint64 addRow(const QString& table, const QVariantMap& columns)
{
    QStringList marks;
    QVariantList values;
    for (auto it = columns.begin(); it != columns.end(); ++it) {
        marks << QStringLiteral("?");
        values << it.value();
    }
    MainDatabase.execute(
        QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
            .arg(table, QStringList(columns.keys()).join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
        values);
    return MainDatabase.scalar(QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
}

qint64 addPerson(const QString& last, const QString& first, const QVariantMap& more)
{
    QVariantMap columns{{QStringLiteral("Last_Name"), last},
                        {QStringLiteral("First_Name"), first},
                        {QStringLiteral("Status"), QStringLiteral("Member")}};
    columns.insert(more);
    return addRow(QStringLiteral("Member"), columns);
}

frmMemberEntry* openMemberScreen()
{
    MainMod::CurrentUserType = QStringLiteral("Admin");
    MainMod::ChurchCity = QStringLiteral("Cedar Hollow");
    MainMod::ChurchState = QStringLiteral("TN");
    MainMod::ChurchZip = QStringLiteral("37150");
    return ScreenRegistry::load<frmMemberEntry>();
}

void deleteOnMemberScreen(qint64 memberId)
{
    frmMemberEntry* screen = openMemberScreen();
    screen->LoadMember(memberId);
    QTest::mouseClick(screen->btnDelete, Qt::LeftButton);
}

bool deletePerson(qint64 memberId, const QString& otherDeskDatabase)
{
    if (!otherDeskDatabase.isEmpty())
        return OtherDesk(otherDeskDatabase).deleteMember(memberId);
    deleteOnMemberScreen(memberId);
    return true;
}

void addGift(qint64 member, const QString& date, double amount, const QString& designation)
{
    addRow(QStringLiteral("Member_Contributions"), {{"MemberID", member},
                                                    {"ContributionDate", date},
                                                    {"Amount", amount},
                                                    {"Designation", designation},
                                                    {"EnvelopeNumber", "7"}});
}

void typeUnsavedDemographics(frmMemberEntry* screen)
{
    screen->SSTab1->setCurrentIndex(1);
    screen->txtOccupation->setFocus(Qt::TabFocusReason);
    screen->txtOccupation->selectAll();
    QTest::keyClicks(screen->txtOccupation, QStringLiteral("Banker"));
    if (!screen->chkDOB->isChecked())
        QTest::mouseClick(screen->chkDOB, Qt::LeftButton);
    screen->dtDOB->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(screen->dtDOB, QStringLiteral("5/5/1965"));
}

void addWeek(qint64 member, const QString& week, const QStringList& flags)
{
    QVariantMap columns{{"MemberID", member}, {"WeekOf", week}};
    for (const QString& flag : flags)
        columns.insert(flag, 1);
    addRow(QStringLiteral("AttendanceData"), columns);
}

QStringList entries(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QStringList entries(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}
