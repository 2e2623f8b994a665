#include "MDI.h"

#include "ScreenRegistry.h"
#include "Startup.h"
#include "frmAbout.h"
#include "frmLogin.h"

#include "admin/ClassEntryScreen.h"
#include "admin/frmCGClassEntry.h"
#include "admin/frmChurchInfo.h"
#include "admin/frmResponsibilityEntry.h"
#include "admin/frmUserEntry.h"
#include "admin/frmValueEntry.h"
#include "core/Permissions.h"
#include "members/frmContributionEntry.h"
#include "members/frmMemberEntry.h"
#include "outreach/frmOutreachPhaseEntry.h"
#include "outreach/frmProspectNavigator.h"
#include "outreach/frmProspectContactEntry.h"
#include "platform/Guard.h"
#include "platform/Messages.h"
#include "reports/ClassRollDialog.h"
#include "reports/PersonSheetDialog.h"
#include "reports/Reports.h"
#include "reports/frmContributionsEntryControlReport.h"
#include "reports/frmMemberContributionsReport.h"
#include "reports/frmSundaySchoolProspectListingReport.h"
#include "schema/PermissionNames.h"
#include "search/frmAttendanceEntry.h"
#include "search/frmAttendanceNavigator.h"
#include "search/frmMemberNavigator.h"

#include <QAction>
#include <QMdiArea>
#include <QMenuBar>
#include <QShortcut>

namespace {

using namespace PermissionNames;

template <class T>
std::function<Screen*()> open()
{
    return [] { return ScreenRegistry::load<T>(); };
}

} // namespace

MDI::MDI(QWidget* parent) : QMainWindow(parent), m_area(new QMdiArea(this))
{
    setObjectName(QStringLiteral("MDI"));
    setWindowTitle(QStringLiteral("Kov"));
    m_area->setObjectName(QStringLiteral("mdiArea"));
    m_area->setBackground(QColor(0x80, 0x80, 0x80));
    setCentralWidget(m_area);
    buildMenus();
    resize(1024, 720);

    // The menu bar is reached from the keyboard: Alt moves into it (the style's own navigation), F10 opens its
    // first usable menu.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this, [this] {
        for (QAction* title : menuBar()->actions())
            if (title->isVisible() && title->isEnabled()) {
                menuBar()->setActiveAction(title);
                return;
            }
    });
}

QMenu* MDI::addMenu(QMenu* parent, const QString& control, const QString& caption)
{
    QMenu* menu = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
    menu->setObjectName(control);
    menu->menuAction()->setObjectName(control);
    return menu;
}

void MDI::addCommand(QMenu* menu, const QString& control, const QString& caption, const QStringList& permissions,
                     const QString& refusal, std::function<void()> action)
{
    QAction* entry = menu->addAction(caption);
    entry->setObjectName(control);
    m_commands.append({control, caption, permissions, refusal, std::move(action)});
    connect(entry, &QAction::triggered, this, [this, control] { runCommand(control); });
}

void MDI::addScreen(QMenu* menu, const QString& control, const QString& caption, const QStringList& permissions,
                    const QString& refusal, std::function<Screen*()> opens)
{
    // The screen keeps the command's rights: a user who logs in later without any of them finds it closed.
    addCommand(menu, control, caption, permissions, refusal, [permissions, opens = std::move(opens)] {
        if (Screen* screen = opens())
            screen->setRights(permissions);
    });
}

void MDI::runCommand(const QString& control)
{
    for (const Command& command : std::as_const(m_commands)) {
        if (command.control != control)
            continue;
        Guard::run([&command] {
            bool allowed = command.permissions.isEmpty();
            for (const QString& permission : command.permissions)
                allowed = allowed || MainMod::HasPermission(permission);
            if (!allowed) {
                Refusal::show(command.refusal);
                return;
            }
            command.action();
        });
        return;
    }
}

void MDI::buildMenus()
{
    const QString record = Refusal::kViewRecord;
    const QString report = Refusal::kViewReport;
    const QStringList memberView{kMemberView, kMemberEntryEdit};

    QMenu* file = addMenu(nullptr, QStringLiteral("File"), QStringLiteral("File"));
    addScreen(file, QStringLiteral("CompanyInfo"), QStringLiteral("Setup"), {kChurchInfo}, record,
              open<frmChurchInfo>());
    QAction* dbMaint = file->addAction(QStringLiteral("DB Maint"));
    dbMaint->setObjectName(QStringLiteral("DBMaint"));
    dbMaint->setVisible(false);
    dbMaint->setEnabled(false);
    addCommand(file, QStringLiteral("LogOff"), QStringLiteral("Log Off"), {}, {}, [this] { LogOff_Click(); });
    addCommand(file, QStringLiteral("Exit"), QStringLiteral("Exit"), {}, {}, [this] { Exit_Click(); });

    QMenu* names = addMenu(nullptr, QStringLiteral("Names"), QStringLiteral("Names"));
    addScreen(names, QStringLiteral("MemberNavigator"), QStringLiteral("Member Navigator"), memberView, record,
              open<frmMemberNavigator>());
    addScreen(names, QStringLiteral("MemberEntry"), QStringLiteral("Member/Prospect Entry/Edit"), memberView, record,
              open<frmMemberEntry>());

    QMenu* prospects = addMenu(nullptr, QStringLiteral("Prospects"), QStringLiteral("Prospects"));
    addScreen(prospects, QStringLiteral("ProspectNavigator"), QStringLiteral("Prospect Navigator"), memberView, record,
              open<frmProspectNavigator>());
    addScreen(prospects, QStringLiteral("ProspectEntry"), QStringLiteral("Prospect Contact Entry/Edit"),
              {kProspectContactEntryEdit}, record, open<frmProspectContactEntry>());

    QMenu* attendance = addMenu(nullptr, QStringLiteral("Attendance"), QStringLiteral("Attendance"));
    addScreen(attendance, QStringLiteral("AttendanceNavigator"), QStringLiteral("Attendance Navigator"),
              {kAttendanceNavigator}, record, open<frmAttendanceNavigator>());
    addScreen(attendance, QStringLiteral("AttendanceEntry"), QStringLiteral("Attendance Entry/Edit"),
              {kAttendanceEntryEdit}, record, open<frmAttendanceEntry>());

    QMenu* contributions = addMenu(nullptr, QStringLiteral("Contributions"), QStringLiteral("Contributions"));
    addScreen(contributions, QStringLiteral("ContributionEntry"), QStringLiteral("Contribution Entry"),
              {kMemberContributions}, Refusal::kViewScreen, open<frmContributionEntry>());

    QMenu* admin = addMenu(nullptr, QStringLiteral("Administrative"), QStringLiteral("Administrative"));
    QMenu* classes = addMenu(admin, QStringLiteral("ClassEntry"), QStringLiteral("Class Entry"));
    addScreen(classes, QStringLiteral("SSClassEntry"), QStringLiteral("Sunday School Class Entry"),
              {kSundaySchoolClassEntryEdit}, record, open<frmSSClassEntry>());
    addScreen(classes, QStringLiteral("DTClassEntry"), QStringLiteral("Discipleship Training Class Entry"),
              {kDiscipleshipTrainingClassEntryEdit}, record, open<frmDTClassEntry>());
    addScreen(classes, QStringLiteral("WedClassEntry"), QStringLiteral("Wednesday Night Class Entry"),
              {kWednesdayNightClassEntryEdit}, record, open<frmWedClassEntry>());
    addScreen(admin, QStringLiteral("CGEntry"), QStringLiteral("Care Group Entry"), {kCareGroupEntryEdit}, record,
              open<frmCGClassEntry>());
    addScreen(admin, QStringLiteral("ChurchResponsibilityEntry"), QStringLiteral("Church Responsibility Entry"),
              {kChurchResponsibilityEntryEdit}, record, open<frmResponsibilityEntry>());
    addScreen(admin, QStringLiteral("OutreachPhaseEntry"), QStringLiteral("Outreach Phase Entry"),
              {kOutreachPhaseEntryEdit}, record, open<frmOutreachPhaseEntry>());
    addScreen(admin, QStringLiteral("DefinedValues"), QStringLiteral("Defined Values"), {kDefinedValues}, record,
              open<frmValueEntry>());
    QMenu* security = addMenu(admin, QStringLiteral("Security"), QStringLiteral("Security"));
    addScreen(security, QStringLiteral("UserEntry"), QStringLiteral("User Entry"), {kUserPermissions}, record,
              open<frmUserEntry>());

    QMenu* reports = addMenu(nullptr, QStringLiteral("Reports"), QStringLiteral("Reports"));
    QMenu* memberReports = addMenu(reports, QStringLiteral("MemberReports"), QStringLiteral("Member Reports"));
    addScreen(memberReports, QStringLiteral("MemberInfoUpdateReportMdi"), QStringLiteral("Member Info Update Report"),
              {kMemberInformationUpdateReport}, report, open<frmMemberInformationUpdateReport>());
    addScreen(memberReports, QStringLiteral("SundaySchoolRole"), QStringLiteral("Sunday School Roll"),
              {kSundaySchoolRollReport}, report, open<frmSundaySchoolRollReport>());
    addScreen(memberReports, QStringLiteral("DiscipleshipTrainingRollReport"),
              QStringLiteral("Discipleship Training Roll Report"), {kDiscipleshipTrainingRollReport}, report,
              open<frmDiscipleshipTrainingRollReport>());
    addScreen(memberReports, QStringLiteral("WednesdayNightRollReport"), QStringLiteral("Wednesday Night Roll Report"),
              {kWednesdayNightRollReport}, report, open<frmWednesdayNightRollReport>());
    QMenu* prospectReports = addMenu(reports, QStringLiteral("ProspectReports"), QStringLiteral("Prospect Reports"));
    addScreen(prospectReports, QStringLiteral("ProspectVisitationSheet"), QStringLiteral("Prospect Contact Sheet"),
              {kProspectVisitationSheetReport}, report, open<frmProspectVisitationSheetReport>());
    addScreen(prospectReports, QStringLiteral("SSProsListing"), QStringLiteral("Sunday School Prospect Listing"),
              {kSundaySchoolProspectListing}, report, open<frmSundaySchoolProspectListingReport>());
    QMenu* contributionReports =
        addMenu(reports, QStringLiteral("ContributionReports"), QStringLiteral("Contribution Reports"));
    addScreen(contributionReports, QStringLiteral("ContributionsEntryControlReport"),
              QStringLiteral("Contributions Entry Control Report"), {kMemberContributions}, report,
              open<frmContributionsEntryControlReport>());
    addScreen(contributionReports, QStringLiteral("MemberContributions"), QStringLiteral("Member Contributions"),
              {kMemberContributions}, report, open<frmMemberContributionsReport>());
    QMenu* adminReports = addMenu(reports, QStringLiteral("AdminReports"), QStringLiteral("Administrative Reports"));
    addCommand(adminReports, QStringLiteral("SSClassListing"), QStringLiteral("Sunday School Class Listing"),
               {kAdministrativeReport}, report, Reports::PrintSundaySchoolListingReport);
    addCommand(adminReports, QStringLiteral("DiscTrainingClassListing"),
               QStringLiteral("Discipleship Training Class Listing"), {kAdministrativeReport}, report,
               Reports::PrintDiscipleshipTrainingClassListingReport);
    addCommand(adminReports, QStringLiteral("WedNightClassListing"), QStringLiteral("Wednesday Night Class Listing"),
               {kAdministrativeReport}, report, Reports::PrintWednesdayNightClassListingReport);
    addCommand(adminReports, QStringLiteral("CareGroupListing"), QStringLiteral("Care Group Listing"),
               {kAdministrativeReport}, report, Reports::PrintCareGroupListingReport);
    addCommand(adminReports, QStringLiteral("ChurchResponsibilityListing"),
               QStringLiteral("Church Responsibility Listing"), {kAdministrativeReport}, report,
               Reports::PrintChurchRespListingReport);

    QMenu* help = addMenu(nullptr, QStringLiteral("Help"), QStringLiteral("Help"));
    addScreen(help, QStringLiteral("About"), QStringLiteral("About"), {}, {}, open<frmAbout>());
}

void MDI::setLoggedIn(bool loggedIn)
{
    // Every menu title and command of the menu bar; then File and Exit when logged off. The window menus of the
    // open screens are theirs, not the main window's: they stay usable.
    QList<QAction*> entries = menuBar()->actions();
    for (qsizetype i = 0; i < entries.size(); ++i)
        if (QMenu* menu = entries.at(i)->menu())
            entries += menu->actions();
    for (QAction* entry : entries) {
        if (entry->objectName() == QLatin1String("DBMaint"))
            continue; // hidden and without action in every state
        entry->setEnabled(loggedIn);
    }
    if (!loggedIn) {
        for (QAction* entry : entries)
            if (entry->objectName() == QLatin1String("File") || entry->objectName() == QLatin1String("Exit"))
                entry->setEnabled(true);
    }
}

void MDI::LogOff_Click()
{
    setLoggedIn(false);
    ScreenRegistry::load<frmLogin>();
}

void MDI::Exit_Click()
{
    MainMod::CloseAndExit();
}
