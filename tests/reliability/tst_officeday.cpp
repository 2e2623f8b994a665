// A whole day in the church office, through the screens only: log in, add a family, attendance and gifts, an
// outreach contact, the navigators, every report to PDF, log off.
#include "support/ScriptedMessages.h"
#include "support/TestDatabase.h"

#include "NewDatabase.h"
#include "core/MainMod.h"
#include "members/ListGrid.h"
#include "members/MoneyEdit.h"
#include "members/frmContributionEntry.h"
#include "members/frmMemberEntry.h"
#include "outreach/frmProspectContactEntry.h"
#include "outreach/frmProspectNavigator.h"
#include "platform/IdList.h"
#include "platform/Recordset.h"
#include "reports/ClassRollDialog.h"
#include "reports/PersonSheetDialog.h"
#include "reports/ReportOutput.h"
#include "reports/Viewer.h"
#include "reports/frmContributionsEntryControlReport.h"
#include "reports/frmMemberContributionsReport.h"
#include "reports/frmSundaySchoolProspectListingReport.h"
#include "search/NavigatorGrid.h"
#include "search/frmAttendanceEntry.h"
#include "search/frmAttendanceNavigator.h"
#include "search/frmMemberNavigator.h"
#include "shell/MDI.h"
#include "shell/ScreenRegistry.h"
#include "shell/Startup.h"
#include "shell/frmLogin.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <functional>

using MainMod::MainDatabase;

namespace {

// Every report that reaches the output becomes a PDF file: a preview through the Report Viewer, from the
// document it shows; a direct print as the printer would have had it.
class PdfOutput : public ReportOutput::Output {
public:
    struct Produced {
        QString file;
        int pages;
        ReportOutput::Mode mode;
    };

    explicit PdfOutput(const QString& folder) : m_folder(folder) { ReportOutput::install(this); }
    ~PdfOutput() override { ReportOutput::install(nullptr); }

    bool deliver(const ReportOutput::Report& report, ReportOutput::Mode mode) override
    {
        const ReportEngine::Document* document = report.document.get();
        if (mode == ReportOutput::Mode::Preview) {
            Viewer* viewer = Viewer::preview(report);
            if (!viewer)
                return false;
            document = viewer->document();
        }
        const QString file =
            QDir(m_folder).filePath(QStringLiteral("%1.pdf").arg(produced.size() + 1, 2, 10, QLatin1Char('0')));
        if (!ReportOutput::writePdf(*document, file))
            return false;
        produced.append({file, int(document->pages.size()), mode});
        return true;
    }

    QList<Produced> produced;

private:
    QString m_folder;
};

int pdfPages(const QString& file)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {file});
    info.waitForFinished(30000);
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    const qsizetype at = out.indexOf(QStringLiteral("Pages:"));
    return at < 0 ? -1 : out.mid(at + 6).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
}

QString pdfText(const QString& file)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
}

void typeInto(QWidget* box, const QString& text)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
}

void pick(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text, Qt::MatchStartsWith);
    QVERIFY2(index >= 0, qPrintable(combo->objectName() + QStringLiteral(": ") + text));
    combo->setCurrentIndex(index);
}

void click(QAbstractButton* button)
{
    // The tab that holds it first, as the user brings it forward.
    for (QWidget* up = button->parentWidget(); up; up = up->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(up))
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->widget(i)->isAncestorOf(button))
                    tabs->setCurrentIndex(i);
    QTest::mouseClick(button, Qt::LeftButton);
}

template <class T> T* screen()
{
    T* found = ScreenRegistry::find<T>();
    if (!found)
        qWarning("%s is not open", T::staticMetaObject.className());
    return found;
}

qint64 personId(const QString& last, const QString& first)
{
    return MainDatabase
        .scalar(QStringLiteral("SELECT ID FROM Member WHERE Last_Name = ? AND First_Name = ?"), {last, first})
        .toLongLong();
}

// Picks a picture through the file dialog, as the user does.
void answerFileDialog(const QString& file)
{
    QTimer::singleShot(50, [file] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(file);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

} // namespace

class TestOfficeDay : public QObject {
    Q_OBJECT

    QString m_pdfs;
    PdfOutput* m_output = nullptr;
    qsizetype m_seen = 0;
    QSet<QString> m_reports;

    // Checks the reports the last step produced: each PDF as many pages as the report, the pages in all as
    // expected (a negative number: at least that many), and the texts found in them.
    void made(const QString& report, ReportOutput::Mode mode, int pages, const QStringList& texts)
    {
        const QList<PdfOutput::Produced>& produced = m_output->produced;
        QVERIFY2(produced.size() > m_seen, qPrintable(report + QStringLiteral(": nothing produced")));
        int total = 0;
        QString text;
        for (qsizetype i = m_seen; i < produced.size(); ++i) {
            QVERIFY2(produced[i].mode == mode, qPrintable(report + QStringLiteral(": printed or previewed wrongly")));
            QCOMPARE(pdfPages(produced[i].file), produced[i].pages);
            total += produced[i].pages;
            text += pdfText(produced[i].file);
        }
        m_seen = produced.size();
        QVERIFY2(pages > 0 ? total == pages : total >= -pages,
                 qPrintable(report + QStringLiteral(": %1 pages").arg(total)));
        for (const QString& wanted : texts)
            QVERIFY2(text.contains(wanted), qPrintable(report + QStringLiteral(" lacks ") + wanted));
        m_reports.insert(report);
    }

    // One person of the family, typed into the member screen and saved with Save & New.
    void addPerson(frmMemberEntry* s, const QString& first, const QString& status, const QString& title,
                   const QDate& born, const QString& picture)
    {
        click(s->btnNew);
        pick(s->cmbTitle, title);
        typeInto(s->txtFName, first);
        typeInto(s->txtLName, QStringLiteral("Quenby"));
        typeInto(s->txtAddress1, QStringLiteral("12 Maple Avenue"));
        typeInto(s->txtCity, QStringLiteral("Cedar Hollow"));
        pick(s->cmbState, QStringLiteral("TN"));
        typeInto(s->txtZip, QStringLiteral("37150"));
        pick(s->cmbMemberStatus, status);
        pick(s->cmbChurchStatus, QStringLiteral("Active"));
        pick(s->cmbProspectStatus, QStringLiteral("InActive"));
        if (!s->chkDOB->isChecked())
            click(s->chkDOB);
        s->dtDOB->setDate(born);
        if (!picture.isEmpty()) {
            answerFileDialog(picture);
            click(s->btnLoadPic);
            QVERIFY(!s->imgPic->pixmap().isNull());
        }
        click(s->btnSaveNew);
    }

private slots:
    void aDayAtTheOffice()
    {
        TestDatabase tdb;
        ScriptedMessages messages;

        // The church as it stands this morning, and the program started on it as the office starts it.
        const QString church = QDir(tdb.folder()).filePath(QStringLiteral("church.db"));
        MainDatabase.close();
        NewDatabase::Options options;
        options.userName = QStringLiteral("office");
        options.password = QStringLiteral("Tuesday");
        options.demo = true;
        NewDatabase::create(MainDatabase, church, options);
        MainDatabase.close();
        const QString pictures = QDir(tdb.folder()).filePath(QStringLiteral("pictures"));
        QDir().mkpath(pictures);
        // The PDFs stay in KOV_GRAB_DIR when that is set, to be looked at.
        m_pdfs = qEnvironmentVariableIsSet("KOV_GRAB_DIR")
                     ? qEnvironmentVariable("KOV_GRAB_DIR") + QStringLiteral("/officeday")
                     : QDir(tdb.folder()).filePath(QStringLiteral("pdf"));
        QDir().mkpath(m_pdfs);
        {
            QFile config(QDir(tdb.folder()).filePath(QStringLiteral("config.txt")));
            QVERIFY(config.open(QIODevice::WriteOnly));
            config.write(
                QStringLiteral("\"Kov\"\nDatabase,\"%1\"\nPictures,%2/\nSS,Yes\nSL,Yes\nRBD,Yes\nWS,Yes\nDT,Yes\n"
                               "SE,Yes\nWN,Yes\n")
                    .arg(church, pictures)
                    .toUtf8());
            config.close();
            MainMod::SetConfigFilePath(config.fileName());
        }
        int exitCode = -1;
        QVERIFY(MainMod::Start(exitCode));
        MDI* mdi = MainMod::MainWindow();
        QVERIFY(mdi);
        PdfOutput output(m_pdfs);
        m_output = &output;

        // Log in.
        auto* login = screen<frmLogin>();
        QVERIFY(login);
        QTest::keyClicks(login->txtUsername, QStringLiteral("office"));
        QTest::keyClicks(login->txtPassword, QStringLiteral("tuesday"));
        click(login->btnLogin);
        QCOMPARE(MainMod::CurrentUsername, QStringLiteral("office"));
        QCOMPARE(messages.count(), 0);

        // A family of three joins: the father with his picture, his wife, their son.
        const QString portrait = QDir(tdb.folder()).filePath(QStringLiteral("henry.png"));
        {
            QImage image(240, 300, QImage::Format_RGB32);
            image.fill(QColor(0x5a, 0x7d, 0x9a));
            QVERIFY(image.save(portrait));
        }
        mdi->runCommand(QStringLiteral("MemberEntry"));
        auto* member = screen<frmMemberEntry>();
        QVERIFY(member);
        addPerson(member, QStringLiteral("Henry"), QStringLiteral("Member"), QStringLiteral("Mr."), QDate(1980, 3, 14),
                  portrait);
        addPerson(member, QStringLiteral("Grace"), QStringLiteral("Member"), QStringLiteral("Mrs."), QDate(1982, 7, 2),
                  {});
        addPerson(member, QStringLiteral("Tim"), QStringLiteral("Child Of Member"), QStringLiteral("Mr."),
                  QDate(2014, 12, 10), {});
        QCOMPARE(messages.count(), 0);
        const qint64 henry = personId(QStringLiteral("Quenby"), QStringLiteral("Henry"));
        const qint64 grace = personId(QStringLiteral("Quenby"), QStringLiteral("Grace"));
        const qint64 tim = personId(QStringLiteral("Quenby"), QStringLiteral("Tim"));
        QVERIFY(henry && grace && tim);
        QVERIFY(
            QFile::exists(QDir(pictures).filePath(
                MainDatabase.scalar(QStringLiteral("SELECT Picture FROM Member WHERE ID = ?"), {henry}).toString())) ||
            QFile::exists(
                MainDatabase.scalar(QStringLiteral("SELECT Picture FROM Member WHERE ID = ?"), {henry}).toString()));

        // Henry heads the household with envelope 900; Grace and Tim are linked to him.
        IdList::select(member->cmbMember, henry);
        click(member->chkHOH);
        typeInto(member->txtEnv, QStringLiteral("900"));
        click(member->chkShowInContributionsList);
        IdList::select(member->cmbMemberAdd, grace);
        pick(member->cmbRelationship, QStringLiteral("Spouse"));
        click(member->btnAddFamMember);
        IdList::select(member->cmbMemberAdd, tim);
        pick(member->cmbRelationship, QStringLiteral("Son"));
        click(member->btnAddFamMember);
        QCOMPARE(member->vsfgFamilyMembers->rows(), 2);
        click(member->btnSaveNew);

        // Tim goes to a Sunday School class; Grace takes on a responsibility.
        IdList::select(member->cmbMember, tim);
        member->cmbSSClass->setCurrentIndex(1);
        const QString timsClass = member->cmbSSClass->currentText();
        QVERIFY(!timsClass.isEmpty());
        click(member->btnSaveNew);
        IdList::select(member->cmbMember, grace);
        member->cmbResp->setCurrentIndex(member->cmbResp->findText(QStringLiteral("Usher")));
        QVERIFY(member->cmbResp->currentIndex() >= 0);
        click(member->btnAddResp);
        QCOMPARE(member->vsfgChurchResponsibilites->rows(), 1);
        click(member->btnSaveClose);
        QCOMPARE(messages.count(), 0);
        QCOMPARE(
            MainDatabase
                .scalar(QStringLiteral("SELECT Name FROM Sunday_School WHERE ID = (SELECT Sunday_School_Class FROM "
                                       "Member WHERE ID = ?)"),
                        {tim})
                .toString(),
            timsClass);
        QCOMPARE(MainDatabase
                     .scalar(QStringLiteral("SELECT COUNT(*) FROM Member_Responsibility WHERE Member_ID = ?"), {grace})
                     .toInt(),
                 1);

        // Sunday's envelopes, keyed as a batch.
        mdi->runCommand(QStringLiteral("ContributionEntry"));
        auto* gifts = screen<frmContributionEntry>();
        QVERIFY(gifts);
        const QDate sunday(2026, 12, 6);
        gifts->dtDate->setDate(sunday);
        pick(gifts->cmbDesignation, QStringLiteral("General Fund"));
        QStringList envelopes{QStringLiteral("900")};
        for (Recordset rs = MainDatabase.openRecordset(QStringLiteral(
                 "SELECT Envelope FROM Member WHERE Envelope <> '' AND Envelope <> '900' ORDER BY ID LIMIT 4"));
             !rs.Eof(); rs.MoveNext())
            envelopes << rs.Text(QStringLiteral("Envelope"));
        QCOMPARE(envelopes.size(), 5);
        const int giftsBefore =
            MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM Member_Contributions")).toInt();
        for (int i = 0; i < envelopes.size(); ++i) {
            typeInto(gifts->txtEnv, envelopes[i]);
            QTest::keyClick(gifts->txtEnv, Qt::Key_Tab);
            typeInto(gifts->txtAmount, QString::number(25 * (i + 1)));
            click(gifts->btnSave);
        }
        QCOMPARE(messages.count(), 0);
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM Member_Contributions")).toInt(),
                 giftsBefore + 5);
        QCOMPARE(MainDatabase
                     .scalar(QStringLiteral("SELECT SUM(Amount) FROM Member_Contributions WHERE MemberID = ? "
                                            "AND ContributionDate = '2026-12-06'"),
                             {henry})
                     .toDouble(),
                 25.0);
        gifts->parentWidget()->close();

        // Sunday's attendance: the family at Sunday School and worship, saved as one week.
        mdi->runCommand(QStringLiteral("AttendanceEntry"));
        auto* attendance = screen<frmAttendanceEntry>();
        QVERIFY(attendance);
        attendance->dtWeekOf->setDate(sunday);
        typeInto(attendance->txtName, QStringLiteral("Quenby"));
        click(attendance->btnFind);
        QCOMPARE(attendance->vsfgMembers->dataRows(), 3);
        for (int row = 0; row < 3; ++row)
            for (int category : {0, 3}) { // Sunday School, worship
                NavigatorGrid* grid = attendance->vsfgMembers;
                const QRect cell = grid->visualRect(grid->model()->index(row, category));
                QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.topLeft() + QPoint(2, 2));
                QVERIFY(grid->isChecked(row, category));
            }
        click(attendance->btnSave);
        QCOMPARE(messages.count(), 0);
        QCOMPARE(
            MainDatabase
                .scalar(QStringLiteral("SELECT COUNT(*) FROM AttendanceData WHERE WeekOf = '2026-12-06' AND SS <> 0 "
                                       "AND WS <> 0 AND SL = 0 AND MemberID IN (?, ?, ?)"),
                        {henry, grace, tim})
                .toInt(),
            3);
        attendance->parentWidget()->close();

        // A visit to a prospect, and the next step the plan suggests.
        const qint64 prospect = MainDatabase
                                    .scalar(QStringLiteral("SELECT ID FROM Member WHERE Status = 'Prospect' AND "
                                                           "Prospect_Active_Status = 'Active' ORDER BY ID LIMIT 1"))
                                    .toLongLong();
        QVERIFY(prospect);
        mdi->runCommand(QStringLiteral("ProspectEntry"));
        auto* contact = screen<frmProspectContactEntry>();
        QVERIFY(contact);
        IdList::select(contact->cmbProspect, prospect);
        contact->dtDate->setDate(QDate(2026, 12, 7));
        pick(contact->cmbAction, QStringLiteral("Visit"));
        IdList::select(contact->cmbVisitor1, henry);
        pick(contact->cmbRating, QStringLiteral("Very Interested"));
        typeInto(contact->txtNotes, QStringLiteral("Came by after work; glad to hear from us."));
        QVERIFY(!contact->cmbNextPhase->currentText().isEmpty());
        const QString nextAction = contact->cmbNextContactAction->currentText();
        const QDate nextDate = contact->dtNextContactDate->date();
        QVERIFY(!nextAction.isEmpty());
        QVERIFY(nextDate > QDate(2026, 12, 7));
        click(contact->btnSave);
        QCOMPARE(messages.count(), 0);
        contact->parentWidget()->close();
        mdi->runCommand(QStringLiteral("MemberEntry"));
        member = screen<frmMemberEntry>();
        IdList::select(member->cmbMember, prospect);
        QCOMPARE(member->cmbNextContactAction->currentText(), nextAction);
        QCOMPARE(member->dtNextContactDate->date(), nextDate);
        QCOMPARE(member->vsfgProspectContacts->value(0, 0).toLongLong(),
                 MainDatabase.scalar(QStringLiteral("SELECT MAX(ID) FROM Prospect_Contact")).toLongLong());
        member->parentWidget()->close();

        // Find the family in the member navigator; its three printouts.
        using Mode = ReportOutput::Mode;
        mdi->runCommand(QStringLiteral("MemberNavigator"));
        auto* navigator = screen<frmMemberNavigator>();
        QVERIFY(navigator);
        typeInto(navigator->txtName, QStringLiteral("Quenby"));
        click(navigator->btnFind);
        QCOMPARE(navigator->vsfgMembers->dataRows(), 3);
        click(navigator->btnPrintList);
        made("Member list", Mode::Preview, 1, {"Member List", "Quenby", "Henry", "Grace", "Tim", timsClass});
        click(navigator->btnPrintListDOBAnniv);
        made("Birthday and anniversary list", Mode::Preview, 1,
             {"Birthday and Anniversary List", "Quenby", "03/14/1980"});
        click(navigator->btnPrintMailingLabels);
        made("Mailing labels", Mode::Preview, 1, {"12 Maple Avenue", "Cedar Hollow, TN 37150"});
        // Everyone: the list runs to several pages.
        click(navigator->btnClear);
        click(navigator->btnFind);
        const int everyone = navigator->vsfgMembers->dataRows();
        QVERIFY2(everyone > 40, qPrintable(QString::number(everyone)));
        click(navigator->btnPrintList);
        made("Member list", Mode::Preview, -2, {"Quenby"});
        navigator->parentWidget()->close();

        // The prospect just visited, in the prospect navigator: lists, and the contact sheet straight to the printer.
        const QString prospectName =
            MainDatabase.scalar(QStringLiteral("SELECT Last_Name FROM Member WHERE ID = ?"), {prospect}).toString();
        mdi->runCommand(QStringLiteral("ProspectNavigator"));
        auto* prospects = screen<frmProspectNavigator>();
        QVERIFY(prospects);
        typeInto(prospects->txtName, prospectName);
        click(prospects->btnFind);
        QVERIFY(prospects->vsfgMembers->dataRows() >= 1);
        const int row = prospects->vsfgMembers->ids().indexOf(prospect);
        QVERIFY(row >= 0);
        QTest::mouseClick(prospects->vsfgMembers->viewport(), Qt::LeftButton, {},
                          prospects->vsfgMembers->visualRect(prospects->vsfgMembers->model()->index(row, 1)).center());
        QVERIFY(prospects->vsfgContact->dataRows() >= 1); // today's visit among the contacts
        click(prospects->btnPrintList);
        made("Prospect list", Mode::Preview, -1, {"Prospect List", prospectName, "glad to hear from us"});
        click(prospects->btnPrintListShort);
        made("Prospect short list", Mode::Preview, 1, {"Short Prospect List", prospectName});
        click(prospects->btnPrintPS);
        made("Prospect contact sheet", Mode::Print, 1, {"Prospect Contact Sheet", prospectName});
        prospects->parentWidget()->close();

        // Person sheets from the Reports menu: the contact sheet previewed, Henry's update sheet printed.
        mdi->runCommand(QStringLiteral("ProspectVisitationSheet"));
        auto* sheet = screen<frmProspectVisitationSheetReport>();
        QVERIFY(sheet);
        IdList::select(sheet->cmbProspect, prospect);
        click(sheet->btnOK);
        made("Prospect contact sheet", Mode::Preview, 1, {"Prospect Contact Sheet", prospectName});
        mdi->runCommand(QStringLiteral("MemberInfoUpdateReportMdi"));
        auto* update = screen<frmMemberInformationUpdateReport>();
        QVERIFY(update);
        IdList::select(update->cmbProspect, henry);
        click(update->btnOK);
        made("Member information update", Mode::Print, 1, {"Member Information Update", "Henry", "12 Maple Avenue"});

        // The three class rolls for Sunday.
        const struct {
            const char* command;
            const char* dialog;
            const char* roll;
            const char* title;
        } rolls[] = {{"SundaySchoolRole", "frmSundaySchoolRollReport", "Sunday School roll", "Sunday School Roll"},
                     {"DiscipleshipTrainingRollReport", "frmDiscipleshipTrainingRollReport",
                      "Discipleship Training roll", "Discipleship Training Roll"},
                     {"WednesdayNightRollReport", "frmWednesdayNightRollReport", "Wednesday Night roll",
                      "Wednesday Night Roll"}};
        for (const auto& [command, dialogClass, roll, title] : rolls) {
            mdi->runCommand(QString::fromLatin1(command));
            auto* dialog = qobject_cast<ClassRollDialog*>(ScreenRegistry::find(QString::fromLatin1(dialogClass)));
            QVERIFY(dialog);
            dialog->dtDate->setDate(sunday);
            click(dialog->btnOK);
            QStringList texts{QString::fromLatin1(title), QStringLiteral("12/6/2026")};
            if (qstrcmp(command, "SundaySchoolRole") == 0)
                texts << timsClass << QStringLiteral("Quenby, Tim");
            made(QString::fromLatin1(roll), Mode::Preview, -1, texts);
        }

        // The Sunday School prospect listing, every class, every action due this month: to the printer.
        mdi->runCommand(QStringLiteral("SSProsListing"));
        auto* listing = screen<frmSundaySchoolProspectListingReport>();
        QVERIFY(listing);
        click(listing->btnSelectAll);
        for (int i = 0; i < listing->lstAction->count(); ++i)
            listing->lstAction->item(i)->setCheckState(Qt::Checked);
        listing->dtStart->setDate(QDate(2026, 12, 1));
        listing->dtEnd->setDate(QDate(2026, 12, 31));
        click(listing->btnOK);
        made("Sunday School prospect listing", Mode::Print, -1,
             {"Sunday School Prospect Listing", "Prospect Contact Sheet"});

        // The family in the attendance navigator: how often they came this autumn.
        mdi->runCommand(QStringLiteral("AttendanceNavigator"));
        auto* counts = screen<frmAttendanceNavigator>();
        QVERIFY(counts);
        typeInto(counts->txtName, QStringLiteral("Quenby"));
        counts->dtStart->setDate(QDate(2026, 9, 6));
        counts->dtEnd->setDate(sunday);
        click(counts->btnFind);
        QCOMPARE(counts->vsfgMembers->dataRows(), 3);
        click(counts->btnPrintMissed);
        made("Attendance count", Mode::Preview, 1, {"Attendance Count", "Quenby", "Henry", "Tim"});
        click(counts->btnPrintList);
        made("Member list", Mode::Preview, 1, {"Member List", "Quenby"});
        counts->parentWidget()->close();

        // The administrative listings.
        for (const auto& [command, text] : QList<QPair<const char*, QStringList>>{
                 {"SSClassListing", {"Sunday School Class Listing", timsClass}},
                 {"DiscTrainingClassListing", {"Discipleship Training Class Listing"}},
                 {"WedNightClassListing", {"Wednesday Night Class Listing"}},
                 {"CareGroupListing", {"Care Group Listing"}},
                 {"ChurchResponsibilityListing", {"Church Responsibility Listing", "Usher", "Quenby"}}}) {
            mdi->runCommand(QString::fromLatin1(command));
            made(QString::fromLatin1(command), Mode::Preview, -1, text);
        }

        // The contribution reports: the batch check for Sunday, and Henry's statement for the year.
        mdi->runCommand(QStringLiteral("ContributionsEntryControlReport"));
        auto* control = screen<frmContributionsEntryControlReport>();
        QVERIFY(control);
        control->dtStartDate->setDate(QDate(2026, 12, 7));
        control->dtEndDate->setDate(QDate(2026, 12, 7));
        click(control->btnOK);
        made("Contributions entry control", Mode::Preview, 1, {"Contributions Entry Control Report", "$375.00"});
        mdi->runCommand(QStringLiteral("MemberContributions"));
        auto* statements = screen<frmMemberContributionsReport>();
        QVERIFY(statements);
        IdList::select(statements->cmbMember, henry);
        statements->dtStartDate->setDate(QDate(2026, 1, 1));
        statements->dtEndDate->setDate(QDate(2026, 12, 31));
        click(statements->btnOK);
        made("Giving statement", Mode::Preview, 1, {"Contribution Statement", "Henry", "Quenby", "$25.00"});

        // Only the question before the contact sheets print; no refusal, no error.
        for (const Messages::Message& shown : messages.shown())
            QVERIFY2(shown.buttons == Messages::Buttons::YesNo,
                     qPrintable(shown.title + QStringLiteral(": ") + shown.text));
        // Every report the program has, each produced at least once.
        QCOMPARE(m_reports.size(), 19);

        // Log off: the log-in screen again, the menus closed.
        mdi->runCommand(QStringLiteral("LogOff"));
        QVERIFY(screen<frmLogin>());
        for (QAction* entry : mdi->findChildren<QAction*>())
            if (entry->objectName() == QLatin1String("Names") || entry->objectName() == QLatin1String("Reports"))
                QVERIFY(!entry->isEnabled());
        MainMod::Shutdown();
    }
};

QTEST_MAIN(TestOfficeDay)
#include "tst_officeday.moc"
