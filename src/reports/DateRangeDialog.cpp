#include "DateRangeDialog.h"

#include "platform/Clock.h"
#include "platform/Controls.h"
#include "schema/PermissionNames.h"
#include "shell/DialogKeys.h"

#include <QDateEdit>
#include <QPushButton>

using Controls::make;

DateRangeDialog::DateRangeDialog(const QString& caption, int datesTop, QWidget* parent) : Screen(parent)
{
    setWindowTitle(caption);
    setRights({PermissionNames::kMemberContributions});
    Twips::setFixedClientSize(this, 4440, datesTop + 960);

    Label1 = Controls::rightLabel(this, QStringLiteral("Date"), 120, datesTop, 495);
    Label1->setObjectName(QStringLiteral("Label1"));
    dtStartDate = Controls::datePicker(this, "dtStartDate", 720, datesTop, 1575);
    Label2 = Controls::label(this, QStringLiteral("to"), 2355, datesTop, 300, 285, Qt::AlignCenter);
    Label2->setObjectName(QStringLiteral("Label2"));
    dtEndDate = Controls::datePicker(this, "dtEndDate", 2715, datesTop, 1575);
    btnOK = make<QPushButton>(this, "btnOK", 2040, datesTop + 480, 1095, 375);
    btnOK->setText(QStringLiteral("Ok"));
    btnCancel = make<QPushButton>(this, "btnCancel", 3195, datesTop + 480, 1095, 375);
    btnCancel->setText(QStringLiteral("Cancel"));

    on(btnOK, &QPushButton::clicked, [this] { btnOK_Click(); });
    on(btnCancel, &QPushButton::clicked, [this] { btnCancel_Click(); });
    DialogKeys::install(this, btnOK, btnCancel);
}

void DateRangeDialog::Form_Load()
{
    dtStartDate->setDate(Clock::today());
    dtEndDate->setDate(Clock::today());
}

void DateRangeDialog::btnOK_Click()
{
    runReport(dtStartDate->date(), dtEndDate->date());
    Unload();
}

void DateRangeDialog::btnCancel_Click()
{
    Unload();
}
