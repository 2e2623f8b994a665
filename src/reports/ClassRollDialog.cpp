#include "ClassRollDialog.h"

#include "Reports.h"

#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/WaitCursor.h"
#include "schema/PermissionNames.h"
#include "shell/DialogKeys.h"

#include <QDateEdit>
#include <QPushButton>

using Controls::make;

ClassRollDialog::ClassRollDialog(const char* objectName, const QString& caption, const QString& permission,
                                 PrintRoll print, QWidget* parent)
    : Screen(parent), m_print(print)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);
    setRights({permission});
    Twips::setFixedClientSize(this, 3840, 1200);
    Label1 = Controls::rightLabel(this, QStringLiteral("Date"), 120, 270, 600);
    Label1->setObjectName(QStringLiteral("Label1"));
    dtDate = Controls::datePicker(this, "dtDate", 840, 240, 1575);
    btnOK = make<QPushButton>(this, "btnOK", 1440, 720, 1095, 375);
    btnOK->setText(QStringLiteral("Ok"));
    btnCancel = make<QPushButton>(this, "btnCancel", 2625, 720, 1095, 375);
    btnCancel->setText(QStringLiteral("Cancel"));
    on(btnOK, &QPushButton::clicked, [this] { btnOK_Click(); });
    on(btnCancel, &QPushButton::clicked, [this] { btnCancel_Click(); });
    DialogKeys::install(this, btnOK, btnCancel);
}

void ClassRollDialog::Form_Load()
{
    dtDate->setDate(Clock::today());
}

void ClassRollDialog::btnOK_Click()
{
    {
        WaitCursor wait;
        m_print(true, dtDate->date());
    }
    Unload();
}

void ClassRollDialog::btnCancel_Click()
{
    Unload();
}

frmSundaySchoolRollReport::frmSundaySchoolRollReport(QWidget* parent)
    : ClassRollDialog("frmSundaySchoolRollReport", QStringLiteral("Sunday School Roll Report"),
                      PermissionNames::kSundaySchoolRollReport, Reports::PrintSundaySchoolRollReport, parent)
{
}

frmDiscipleshipTrainingRollReport::frmDiscipleshipTrainingRollReport(QWidget* parent)
    : ClassRollDialog("frmDiscipleshipTrainingRollReport", QStringLiteral("Discipleship Training Roll Report"),
                      PermissionNames::kDiscipleshipTrainingRollReport, Reports::PrintDiscipleshipTrainingRollReport,
                      parent)
{
}

frmWednesdayNightRollReport::frmWednesdayNightRollReport(QWidget* parent)
    : ClassRollDialog("frmWednesdayNightRollReport", QStringLiteral("Wednesday Night Roll Report"),
                      PermissionNames::kWednesdayNightRollReport, Reports::PrintWednesdayNightRollReport, parent)
{
}
