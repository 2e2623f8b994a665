// Values a person may type that break naive SQL or text handling, typed into every text box of every entry
// screen, saved and shown again: each comes back as the box held it, and no table is touched beyond the save.
#include "support/RecordingOutput.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "admin/ClassEntryScreen.h"
#include "admin/frmCGClassEntry.h"
#include "admin/frmChurchInfo.h"
#include "admin/frmResponsibilityEntry.h"
#include "admin/frmUserEntry.h"
#include "admin/frmValueEntry.h"
#include "core/Format.h"
#include "core/MainMod.h"
#include "members/MoneyEdit.h"
#include "members/frmContributionEntry.h"
#include "members/frmMemberEntry.h"
#include "outreach/frmOutreachPhaseEntry.h"
#include "outreach/frmProspectContactEntry.h"
#include "outreach/frmProspectNavigator.h"
#include "platform/IdList.h"
#include "platform/Recordset.h"
#include "search/NavigatorGrid.h"
#include "search/frmAttendanceEntry.h"
#include "search/frmAttendanceNavigator.h"
#include "search/frmMemberNavigator.h"
#include "shell/ScreenRegistry.h"
#include "shell/frmLogin.h"

#include <QAbstractSpinBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <functional>

using MainMod::MainDatabase;

namespace {

using Texts = QMap<QString, QString>;

const QString kLong = QString(300, QLatin1Char('W')) + QStringLiteral("end");

// The values, by name. Each is typed into every free text box of a screen at once.
const QList<QPair<const char*, QString>> kValues = {
    {"apostrophe", QStringLiteral("O'Neil")},
    {"double quotes", QStringLiteral("\"quoted\"")},
    {"semicolon", QStringLiteral("a;b")},
    {"always true", QStringLiteral("x' OR '1'='1")},
    {"drop table", QStringLiteral("'; DROP TABLE Member; --")},
    {"like wildcards", QStringLiteral("100%_done")},
    {"glob characters", QStringLiteral("*?[")},
    {"accents", QStringLiteral("Zoë Ångström-Núñez")},
    {"non-Latin", QStringLiteral("Дмитрий 李小龍 ΑΒΓ")},
    {"emoji", QStringLiteral("Joy 😀 👍🏽")},
    {"backslash", QStringLiteral("C:\\dir\\_x")},
    {"line break", QStringLiteral("line one\nline two")},
    {"longer than any column", kLong},
};

// Types a value as a person would, key by key, each key carrying its character; what no single key types (a line
// break, characters outside the basic plane) goes in through the clipboard and Ctrl+V.
void enter(QWidget* box, const QString& value)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    bool keyed = true;
    for (QChar ch : value)
        keyed = keyed && ch.unicode() >= 0x20 && !ch.isSurrogate();
    if (!keyed) {
        QGuiApplication::clipboard()->setText(value);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        return;
    }
    for (QChar ch : value) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(box, char(ch.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Press, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }
}

// A question the person answers (Yes by default here), not a refusal or an error.
bool asked(const Messages::Message& shown)
{
    return shown.buttons != Messages::Buttons::Ok;
}

QString textOf(QWidget* widget)
{
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return line->text();
    if (auto* notes = qobject_cast<QPlainTextEdit*>(widget))
        return notes->toPlainText();
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->currentText();
    return QStringLiteral("<%1 is no text box>").arg(widget->objectName());
}

// The boxes a person types free text into: plain line edits and notes boxes. Masked and money boxes (their own
// classes), number boxes the screen checks, and boxes that only show are left out.
QList<QWidget*> freeTextBoxes(QWidget* screen, const QStringList& skipped)
{
    QList<QWidget*> boxes;
    for (QLineEdit* line : screen->findChildren<QLineEdit*>()) {
        if (!line->objectName().startsWith(QLatin1String("txt")) || skipped.contains(line->objectName()))
            continue;
        if (line->metaObject() != &QLineEdit::staticMetaObject || line->isReadOnly() || !line->isEnabled() ||
            !line->inputMask().isEmpty())
            continue;
        boxes << line;
    }
    for (QPlainTextEdit* notes : screen->findChildren<QPlainTextEdit*>())
        if (!notes->isReadOnly() && notes->isEnabled() && !skipped.contains(notes->objectName()))
            boxes << notes;
    return boxes;
}

// What the controls of the given names show.
Texts readBoxes(QWidget* screen, const Texts& names)
{
    Texts shown;
    for (auto it = names.begin(); it != names.end(); ++it) {
        QWidget* control = screen->findChild<QWidget*>(it.key());
        shown.insert(it.key(), control ? textOf(control) : QStringLiteral("<gone>"));
    }
    return shown;
}

void pickFirst(QComboBox* combo)
{
    for (int i = 0; i < combo->count(); ++i)
        if (!combo->itemText(i).trimmed().isEmpty()) {
            combo->setCurrentIndex(i);
            return;
        }
    QFAIL(qPrintable(combo->objectName() + QStringLiteral(" offers nothing to choose")));
}

void pickText(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text, Qt::MatchStartsWith);
    QVERIFY2(index >= 0, qPrintable(text));
    combo->setCurrentIndex(index);
}

qint64 lastId(const QString& table)
{
    return MainDatabase.scalar(QStringLiteral("SELECT MAX(ID) FROM %1").arg(table)).toLongLong();
}

QMap<QString, int> rowCounts()
{
    QStringList tables;
    Recordset rs = MainDatabase.openRecordset(
        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%'"));
    for (; !rs.Eof(); rs.MoveNext())
        tables << rs.Text(QStringLiteral("name"));
    QMap<QString, int> counts;
    for (const QString& table : tables)
        counts.insert(table, MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM \"%1\"").arg(table)).toInt());
    return counts;
}

void closeAll(QMdiArea* area)
{
    area->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

template <class T> T* as(Screen* screen)
{
    return qobject_cast<T*>(screen);
}

// One entry screen: how to open it on a new record, what else its save needs, how to save, and how to show the
// saved record again in a fresh copy of the screen.
struct Form {
    QString name;
    std::function<Screen*()> open;
    QStringList skipped;
    // Makes the record saveable; returns what it typed itself, by control name.
    std::function<Texts(Screen*, const QString&)> complete;
    std::function<void(Screen*)> save;
    std::function<Screen*()> reshow;
    QStringList grows; // tables the save may add one row to
    // Reads the saved values back; by default the boxes of the same names.
    std::function<Texts(Screen*, const Texts&)> readBack = {};
};

// The ready-made rows each case starts from.
struct Church {
    qint64 giver = 0;
    qint64 prospect = 0;
    qint64 clerk = 0;
};

Church seed()
{
    Church church;
    church.giver = TestDatabase::addMember(QStringLiteral("Giver"), QStringLiteral("Gil"));
    MainDatabase.execute(QStringLiteral("UPDATE Member SET Envelope = '7', ShowInContributionList = 1 WHERE ID = ?"),
                         {church.giver});
    church.prospect =
        TestDatabase::addMember(QStringLiteral("Seeker"), QStringLiteral("Sam"), QStringLiteral("Prospect"));
    church.clerk = TestDatabase::addMember(QStringLiteral("Clerk"), QStringLiteral("Cal"));
    return church;
}

Texts none(Screen*, const QString&)
{
    return {};
}

template <class T> std::function<Screen*()> opener()
{
    return [] { return ScreenRegistry::load<T>(); };
}

void clickSave(Screen* screen)
{
    auto* save = screen->findChild<QPushButton*>(QStringLiteral("btnSave"));
    QVERIFY(save);
    QTest::mouseClick(save, Qt::LeftButton);
}

template <class T> Form classForm(const QString& name, const QString& table)
{
    return {name,
            opener<T>(),
            {},
            none,
            clickSave,
            [table] {
                auto* screen = ScreenRegistry::load<T>();
                IdList::select(screen->cmbName, lastId(table));
                return screen;
            },
            {table}};
}

QList<Form> forms()
{
    QList<Form> all;
    all << Form{QStringLiteral("Church information"),
                opener<frmChurchInfo>(),
                {QStringLiteral("txtKeyPressDelay")},
                [](Screen* screen, const QString&) {
                    enter(as<frmChurchInfo>(screen)->txtKeyPressDelay, QStringLiteral("1"));
                    return Texts{};
                },
                clickSave,
                opener<frmChurchInfo>(),
                {QStringLiteral("Church")}};
    all << classForm<frmSSClassEntry>(QStringLiteral("Sunday School class"), QStringLiteral("Sunday_School"));
    all << classForm<frmDTClassEntry>(QStringLiteral("Discipleship class"), QStringLiteral("Discipleship_Training"));
    all << classForm<frmWedClassEntry>(QStringLiteral("Wednesday class"), QStringLiteral("Wednesday_Night"));
    all << Form{QStringLiteral("Care group"),
                opener<frmCGClassEntry>(),
                {},
                [](Screen* screen, const QString&) {
                    pickText(as<frmCGClassEntry>(screen)->cmbTeacher, QStringLiteral("Giver, Gil"));
                    return Texts{};
                },
                clickSave,
                [] {
                    auto* screen = ScreenRegistry::load<frmCGClassEntry>();
                    IdList::select(screen->cmbName, lastId(QStringLiteral("Care_Group")));
                    return screen;
                },
                {QStringLiteral("Care_Group")}};
    all << Form{QStringLiteral("Responsibility"),
                opener<frmResponsibilityEntry>(),
                {},
                [](Screen* screen, const QString& value) {
                    QComboBox* name = as<frmResponsibilityEntry>(screen)->cmbName;
                    enter(name->lineEdit(), value);
                    return Texts{{QStringLiteral("cmbName"), name->currentText()}};
                },
                clickSave,
                [] {
                    auto* screen = ScreenRegistry::load<frmResponsibilityEntry>();
                    const QString name =
                        MainDatabase
                            .scalar(QStringLiteral("SELECT Name FROM Responsibilities ORDER BY rowid DESC LIMIT 1"))
                            .toString();
                    screen->cmbName->setCurrentIndex(screen->cmbName->findText(name, Qt::MatchFixedString));
                    return screen;
                },
                {QStringLiteral("Responsibilities")}};
    all << Form{
        QStringLiteral("Defined values"),
        opener<frmValueEntry>(),
        {},
        none,
        [](Screen* screen) {
            for (QPushButton* add : screen->findChildren<QPushButton*>())
                if (add->objectName().startsWith(QLatin1String("btnAdd")))
                    QTest::mouseClick(add, Qt::LeftButton);
        },
        opener<frmValueEntry>(),
        {QStringLiteral("AttendanceLevels"), QStringLiteral("Prospect_Action"), QStringLiteral("Relationships"),
         QStringLiteral("Prospect_Contact_Rating"), QStringLiteral("Titles"), QStringLiteral("Permission"),
         QStringLiteral("Church_Organizations"), QStringLiteral("ContributionDesignation")},
        [](Screen* screen, const Texts& typed) {
            // Each box adds to the list beside it: the value is listed exactly once, as typed.
            Texts listed;
            for (auto it = typed.begin(); it != typed.end(); ++it) {
                auto* list = screen->findChild<QListWidget*>(QStringLiteral("lst") + it.key().mid(3));
                const auto found = list ? list->findItems(it.value(), Qt::MatchExactly) : QList<QListWidgetItem*>{};
                listed.insert(it.key(), found.size() == 1 ? found.first()->text()
                                                          : QStringLiteral("<listed %1 times>").arg(found.size()));
            }
            return listed;
        }};
    all << Form{QStringLiteral("Member"),
                opener<frmMemberEntry>(),
                {QStringLiteral("txtMemberID"), QStringLiteral("txtAdded"), QStringLiteral("txtEdited"),
                 QStringLiteral("txtContributionTotal"), QStringLiteral("txtFileType")},
                [](Screen* screen, const QString&) {
                    auto* member = as<frmMemberEntry>(screen);
                    pickFirst(member->cmbMemberStatus);
                    pickFirst(member->cmbChurchStatus);
                    pickFirst(member->cmbProspectStatus);
                    // The next contact's type is kept with a whole next step only.
                    pickFirst(member->cmbNextPhase);
                    pickFirst(member->cmbNextContactAction);
                    return Texts{};
                },
                [](Screen* screen) { QTest::mouseClick(as<frmMemberEntry>(screen)->btnSaveNew, Qt::LeftButton); },
                [] {
                    auto* screen = ScreenRegistry::load<frmMemberEntry>();
                    screen->LoadMember(lastId(QStringLiteral("Member")));
                    return screen;
                },
                {QStringLiteral("Member")}};
    all << Form{QStringLiteral("Contribution"),
                opener<frmContributionEntry>(),
                {QStringLiteral("txtEnv"), QStringLiteral("txtID")},
                [](Screen* screen, const QString&) {
                    auto* entry = as<frmContributionEntry>(screen);
                    pickText(entry->cmbMember, QStringLiteral("Giver, Gil"));
                    enter(entry->txtAmount, QStringLiteral("12.50"));
                    pickFirst(entry->cmbDesignation);
                    return Texts{};
                },
                clickSave,
                [] {
                    auto* screen = ScreenRegistry::load<frmContributionEntry>();
                    screen->LoadContribution(lastId(QStringLiteral("Member_Contributions")));
                    return screen;
                },
                {QStringLiteral("Member_Contributions")}};
    all << Form{
        QStringLiteral("Prospect contact"),
        opener<frmProspectContactEntry>(),
        {QStringLiteral("txtID")},
        [](Screen* screen, const QString&) {
            auto* contact = as<frmProspectContactEntry>(screen);
            pickText(contact->cmbProspect, QStringLiteral("Seeker, Sam"));
            pickFirst(contact->cmbAction);
            pickText(contact->cmbVisitor1, QStringLiteral("Clerk, Cal"));
            pickFirst(contact->cmbRating);
            pickFirst(contact->cmbNextPhase);
            pickFirst(contact->cmbNextContactAction);
            return Texts{};
        },
        clickSave,
        [] {
            auto* screen = ScreenRegistry::load<frmProspectContactEntry>();
            screen->LoadContact(lastId(QStringLiteral("Prospect_Contact")));
            return screen;
        },
        {QStringLiteral("Prospect_Contact")},
        [](Screen* screen, const Texts& typed) {
            // The next step belongs to the prospect: the member screen shows it.
            Texts back = readBoxes(screen, typed);
            auto* member = ScreenRegistry::load<frmMemberEntry>();
            member->LoadMember(
                MainDatabase.scalar(QStringLiteral("SELECT ID FROM Member WHERE First_Name = 'Sam'")).toLongLong());
            back.insert(QStringLiteral("txtNextType"), member->txtNextType->text());
            return back;
        }};
    all << Form{QStringLiteral("User"),
                opener<frmUserEntry>(),
                {QStringLiteral("txtPassword")},
                [](Screen* screen, const QString&) {
                    auto* user = as<frmUserEntry>(screen);
                    pickText(user->cmbName, QStringLiteral("Clerk, Cal"));
                    pickText(user->cmbType, QStringLiteral("User"));
                    enter(user->txtPassword, QStringLiteral("pw"));
                    return Texts{};
                },
                clickSave,
                [] {
                    auto* screen = ScreenRegistry::load<frmUserEntry>();
                    pickText(screen->cmbName, QStringLiteral("Clerk, Cal"));
                    return screen;
                },
                {QStringLiteral("User")}};
    return all;
}

// One row for each value, in a column "value".
void addValueRows()
{
    QTest::addColumn<QString>("value");
    for (const auto& [name, value] : kValues)
        QTest::newRow(name) << value;
}

NavigatorScreen* openNavigator(const QString& name)
{
    if (name == QLatin1String("frmMemberNavigator"))
        return ScreenRegistry::load<frmMemberNavigator>();
    if (name == QLatin1String("frmProspectNavigator"))
        return ScreenRegistry::load<frmProspectNavigator>();
    if (name == QLatin1String("frmAttendanceEntry"))
        return ScreenRegistry::load<frmAttendanceEntry>();
    if (name == QLatin1String("frmAttendanceNavigator"))
        return ScreenRegistry::load<frmAttendanceNavigator>();
    return nullptr;
}

} // namespace

class TestHostileInput : public QObject {
    Q_OBJECT

private slots:
    void comesBackAsTyped_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("value");
        const QList<Form> all = forms();
        for (int f = 0; f < all.size(); ++f)
            for (const auto& [name, value] : kValues)
                QTest::addRow("%s: %s", qPrintable(all[f].name), name) << f << value;
    }
    void comesBackAsTyped()
    {
        QFETCH(int, form);
        QFETCH(QString, value);
        const Form f = forms().at(form);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MainMod::CurrentUserType = QStringLiteral("Admin");
        seed();

        Screen* screen = f.open();
        QVERIFY(screen);
        Texts typed = f.complete(screen, value);
        const QList<QWidget*> boxes = freeTextBoxes(screen, f.skipped);
        QVERIFY(!boxes.isEmpty());
        for (QWidget* box : boxes) {
            enter(box, value);
            const QString held = textOf(box);
            // A one-line box holds what fits of it; a line break is the box's to keep or drop, never more.
            if (auto* line = qobject_cast<QLineEdit*>(box); line && !value.contains(QLatin1Char('\n')))
                QCOMPARE(held, value.left(line->maxLength()));
            else if (qobject_cast<QPlainTextEdit*>(box))
                QCOMPARE(held, value);
            typed.insert(box->objectName(), held);
        }
        const QMap<QString, int> before = rowCounts();
        f.save(screen);
        // Only questions (answered Yes) may come up: no refusal, no error.
        for (const Messages::Message& shown : messages.shown())
            QVERIFY2(asked(shown), qPrintable(shown.title + QStringLiteral(": ") + shown.text));
        closeAll(area.area());

        Screen* again = f.reshow();
        QVERIFY(again);
        const Texts back = f.readBack ? f.readBack(again, typed) : readBoxes(again, typed);
        for (auto it = typed.begin(); it != typed.end(); ++it)
            QVERIFY2(back.value(it.key()) == it.value(),
                     qPrintable(QStringLiteral("%1: typed [%2], shown again [%3]")
                                    .arg(it.key(), it.value(), back.value(it.key()))));

        const QMap<QString, int> after = rowCounts();
        QCOMPARE(after.keys(), before.keys());
        for (auto it = before.begin(); it != before.end(); ++it) {
            const int added = after.value(it.key()) - it.value();
            const int allowed = f.grows.contains(it.key()) ? 1 : 0;
            QVERIFY2(added >= 0 && added <= allowed,
                     qPrintable(QStringLiteral("%1: %2 rows more").arg(it.key()).arg(added)));
        }
        closeAll(area.area());
    }

    // Boxes the screen reads as a number or an envelope: the value is refused with a message, nothing is written,
    // and the screen still holds what was typed elsewhere.
    void numberBoxesRefuse_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("value");
        const QList<QPair<const char*, const char*>> boxes = {
            {"Church information", "txtKeyPressDelay"}, {"Contribution", "txtAmount"}, {"Contribution", "txtEnv"}};
        for (const auto& [form, box] : boxes)
            for (const auto& [name, value] : kValues) {
                // The pause is read as the number its text starts with ("100%_done" is 100): that is kept.
                if (QLatin1String(box) == QLatin1String("txtKeyPressDelay") && Format::leadingNumber(value) >= 1)
                    continue;
                QTest::addRow("%s %s: %s", form, box, name) << form << box << value;
            }
    }
    void numberBoxesRefuse()
    {
        QFETCH(QString, form);
        QFETCH(QString, box);
        QFETCH(QString, value);
        Form f;
        for (const Form& each : forms())
            if (each.name == form)
                f = each;
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MainMod::CurrentUserType = QStringLiteral("Admin");
        seed();
        Screen* screen = f.open();
        f.complete(screen, value);
        for (QWidget* other : freeTextBoxes(screen, f.skipped))
            enter(other, QStringLiteral("kept"));
        const QMap<QString, int> before = rowCounts();
        auto* target = screen->findChild<QLineEdit*>(box);
        QVERIFY(target);
        enter(target, value);
        QTest::keyClick(target, Qt::Key_Tab); // leaving the box is the first check
        if (ScreenRegistry::isOpen(QString::fromLatin1(screen->metaObject()->className())))
            f.save(screen);
        QVERIFY(messages.count() > 0);
        for (const Messages::Message& shown : messages.shown())
            QVERIFY2(shown.icon != Messages::Icon::Critical, qPrintable(shown.text));
        QCOMPARE(rowCounts(), before);
        QVERIFY(ScreenRegistry::isOpen(QString::fromLatin1(screen->metaObject()->className())));
        for (QWidget* other : freeTextBoxes(screen, f.skipped))
            QCOMPARE(textOf(other), QStringLiteral("kept"));
        closeAll(area.area());
    }

    // A person whose name is the value prints as typed in the member list and on a label, and the pages paint.
    void reportsPrintItAsTyped_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("value");
        for (const char* button : {"btnPrintList", "btnPrintMailingLabels"})
            for (const auto& [name, value] : kValues)
                QTest::addRow("%s: %s", button, name) << button << value;
    }
    void reportsPrintItAsTyped()
    {
        QFETCH(QString, button);
        QFETCH(QString, value);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        RecordingOutput output;
        MainMod::CurrentUserType = QStringLiteral("Admin");
        QLineEdit scratch;
        enter(&scratch, value);
        const QString held = scratch.text();
        const qint64 person = TestDatabase::addMember(held, QStringLiteral("Hal"));
        MainDatabase.execute(QStringLiteral("UPDATE Member SET Address_1 = ?, City = 'Town', Head_Of_Household = 1 "
                                            "WHERE ID = ?"),
                             {held, person});
        auto* navigator = ScreenRegistry::load<frmMemberNavigator>();
        QTest::mouseClick(navigator->btnFind, Qt::LeftButton);
        QTest::mouseClick(navigator->findChild<QPushButton*>(button), Qt::LeftButton);
        QCOMPARE(messages.count(), 0);
        QCOMPARE(output.deliveries.size(), 1);
        const ReportEngine::Document& document = output.last();
        QString printed;
        for (int page = 0; page < document.pageCount(); ++page)
            printed += document.pageTexts(page).join(QLatin1Char('\n'));
        // A long value may be cut at the edge of its column; its start is there as typed.
        const QString start = held.section(QLatin1Char('\n'), 0, 0).left(20);
        QVERIFY2(printed.contains(start), qPrintable(start));
        QVERIFY(ReportOutput::writePdf(document, tdb.folder() + QStringLiteral("/printed.pdf")));
        closeAll(area.area());
    }

    // The number of weeks missed is read as the number its text starts with: any value searches without error.
    void missedWeeksBox_data() { addValueRows(); }
    void missedWeeksBox()
    {
        QFETCH(QString, value);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MainMod::CurrentUserType = QStringLiteral("Admin");
        const qint64 absent = TestDatabase::addMember(QStringLiteral("Absent"), QStringLiteral("Al"));
        auto* navigator = ScreenRegistry::load<frmAttendanceNavigator>();
        enter(navigator->txtMissed, value);
        navigator->cmbClass->setCurrentIndex(0);
        QTest::mouseClick(navigator->btnFind, Qt::LeftButton);
        QCOMPARE(messages.count(), 0);
        QVERIFY(navigator->vsfgMembers->ids().contains(absent)); // missing every week misses any number of them
        closeAll(area.area());
    }

    // Deleting the value from a value list clears it from the people who hold it, and from no one else.
    void valueListDeleteIsLiteral_data() { addValueRows(); }
    void valueListDeleteIsLiteral()
    {
        QFETCH(QString, value);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MainMod::CurrentUserType = QStringLiteral("Admin");
        const QStringList decoys{QStringLiteral("O Neil"), QStringLiteral("100 xdone"), QStringLiteral("*a["),
                                 QStringLiteral("C:dir_x"), QStringLiteral("x")};
        QList<qint64> holders;
        for (const QString& title : QStringList{value} + decoys) {
            MainDatabase.execute(QStringLiteral("INSERT INTO Titles (Title) VALUES (?)"), {title});
            const qint64 id = TestDatabase::addMember(QStringLiteral("Holder"), QStringLiteral("Hal"));
            MainDatabase.execute(QStringLiteral("UPDATE Member SET Title = ? WHERE ID = ?"), {title, id});
            holders << id;
        }
        const int titles = MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM Titles")).toInt();

        auto* screen = ScreenRegistry::load<frmValueEntry>();
        const auto found = screen->lstTitle->findItems(value, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        screen->lstTitle->setCurrentItem(found.first());
        QTest::mouseClick(screen->btnDeleteTitle, Qt::LeftButton);
        for (const Messages::Message& shown : messages.shown())
            QVERIFY2(asked(shown), qPrintable(shown.text));
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM Titles")).toInt(), titles - 1);
        QVERIFY(MainDatabase.scalar(QStringLiteral("SELECT Title FROM Member WHERE ID = ?"), {holders[0]}).isNull());
        for (int i = 1; i < holders.size(); ++i)
            QCOMPARE(
                MainDatabase.scalar(QStringLiteral("SELECT Title FROM Member WHERE ID = ?"), {holders[i]}).toString(),
                decoys[i - 1]);
        QVERIFY(screen->lstTitle->findItems(value, Qt::MatchExactly).isEmpty());
        closeAll(area.area());
    }

    // A phase renamed to the value keeps its prospects, who follow the new name; the same value as a number of
    // weeks is refused and nothing is written.
    void outreachPhaseCells_data() { addValueRows(); }
    void outreachPhaseCells()
    {
        QFETCH(QString, value);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MainMod::CurrentUserType = QStringLiteral("Admin");
        const qint64 prospect =
            TestDatabase::addMember(QStringLiteral("Seeker"), QStringLiteral("Sam"), QStringLiteral("Prospect"));
        MainDatabase.execute(QStringLiteral("UPDATE Member SET Prospect_Phase = 'First Visit' WHERE ID = ?"),
                             {prospect});
        const auto typeInCell = [](QTableWidget* grid, int row, int column, const QString& text) {
            grid->setCurrentCell(row, column);
            grid->editItem(grid->item(row, column));
            auto* editor = grid->viewport()->findChild<QLineEdit*>();
            QVERIFY(editor);
            enter(editor, text);
            const QString held = editor->text();
            QTest::keyClick(editor, Qt::Key_Tab);
            QCoreApplication::processEvents();
            QCOMPARE(grid->item(row, column)->text(), held);
        };

        auto* screen = ScreenRegistry::load<frmOutreachPhaseEntry>();
        const QMap<QString, int> before = rowCounts();
        typeInCell(screen->vsfgPhase, 0, frmOutreachPhaseEntry::kWeeks, value);
        QTest::mouseClick(screen->btnSave, Qt::LeftButton);
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().title, QStringLiteral("Invalid Data Fields"));
        QCOMPARE(
            MainDatabase.scalar(QStringLiteral("SELECT TimePeriod FROM Outreach_Phase WHERE Phase = 'First Visit'"))
                .toInt(),
            1);
        closeAll(area.area());

        screen = ScreenRegistry::load<frmOutreachPhaseEntry>();
        typeInCell(screen->vsfgPhase, 0, frmOutreachPhaseEntry::kName, value);
        const QString held = screen->vsfgPhase->item(0, frmOutreachPhaseEntry::kName)->text();
        QTest::mouseClick(screen->btnSave, Qt::LeftButton);
        for (const Messages::Message& shown : messages.shown().mid(1))
            QVERIFY2(asked(shown), qPrintable(shown.text));
        closeAll(area.area());
        screen = ScreenRegistry::load<frmOutreachPhaseEntry>();
        QCOMPARE(screen->vsfgPhase->item(0, frmOutreachPhaseEntry::kName)->text(), held);
        QCOMPARE(MainDatabase.scalar(QStringLiteral("SELECT Prospect_Phase FROM Member WHERE ID = ?"), {prospect})
                     .toString(),
                 held);
        QCOMPARE(rowCounts(), before);
        closeAll(area.area());
    }

    // A user name and password of any of the values are kept (the password as its hash) and let their holder in;
    // the values with any other partner let no one in.
    void passwordsAndLogIn_data() { addValueRows(); }
    void passwordsAndLogIn()
    {
        QFETCH(QString, value);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        const Church church = seed();
        MainMod::CurrentUserType = QStringLiteral("Admin");
        auto* users = ScreenRegistry::load<frmUserEntry>();
        pickText(users->cmbName, QStringLiteral("Clerk, Cal"));
        pickText(users->cmbType, QStringLiteral("User"));
        enter(users->txtUsername, value);
        enter(users->txtPassword, value);
        const QString password = users->txtPassword->text();
        QTest::mouseClick(users->btnSave, Qt::LeftButton);
        QCOMPARE(messages.count(), 0);
        closeAll(area.area());
        QVERIFY(MainDatabase.scalar(QStringLiteral("SELECT Password FROM User")).toString() != password);

        const auto logIn = [&](const QString& user, const QString& typed) {
            MainMod::CurrentUserID = 0;
            MainMod::CurrentUserType.clear();
            messages.clear();
            auto* login = ScreenRegistry::load<frmLogin>();
            enter(login->txtUsername, user);
            enter(login->txtPassword, typed);
            QTest::mouseClick(login->btnLogin, Qt::LeftButton);
            closeAll(area.area());
            return MainMod::CurrentUserID;
        };
        // The value as both user name and password lets its holder in.
        QCOMPARE(logIn(value, value), church.clerk);
        QCOMPARE(messages.count(), 0);
        // Anything else keeps everyone out.
        QCOMPARE(logIn(value, QStringLiteral("pw")), qint64(0));
        QCOMPARE(messages.last().title, QStringLiteral("Invalid Username/Password"));
        QCOMPARE(logIn(value, QStringLiteral("' OR '1'='1")), qint64(0));
        QCOMPARE(logIn(QStringLiteral("' OR '1'='1"), value), qint64(0));
        QCOMPARE(logIn(QStringLiteral("x' OR Username LIKE '%"), QStringLiteral("x")), qint64(0));
    }

    // Each search box of the navigators finds the value literally: the person holding it, and no one whose text
    // only matches it as a pattern.
    void navigatorFindsItLiterally_data()
    {
        QTest::addColumn<QString>("navigator");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("value");
        const struct {
            const char* navigator;
            const char* box;
            const char* column;
        } boxes[] = {{"frmMemberNavigator", "txtName", "Last_Name"},
                     {"frmMemberNavigator", "txtSearch", "Hobbies"},
                     {"frmMemberNavigator", "txtMapSection", "Map_Section"},
                     {"frmProspectNavigator", "txtName", "Last_Name"},
                     {"frmProspectNavigator", "txtSearch", "Hobbies"},
                     {"frmProspectNavigator", "txtMapSection", "Map_Section"},
                     {"frmAttendanceEntry", "txtName", "Last_Name"},
                     {"frmAttendanceNavigator", "txtName", "Last_Name"}};
        for (const auto& [navigator, box, column] : boxes)
            for (const auto& [name, value] : kValues)
                QTest::addRow("%s %s: %s", navigator, box, name) << navigator << box << column << value;
    }
    void navigatorFindsItLiterally()
    {
        QFETCH(QString, navigator);
        QFETCH(QString, box);
        QFETCH(QString, column);
        QFETCH(QString, value);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MainMod::CurrentUserType = QStringLiteral("Admin");
        // A one-line box keeps a line break or not; the stored value is what such a box holds.
        QLineEdit scratch;
        enter(&scratch, value);
        const QString held = scratch.text();
        const auto prospect = [&column](const QString& text) {
            const qint64 id =
                TestDatabase::addMember(QStringLiteral("Holder"), QStringLiteral("Hal"), QStringLiteral("Prospect"));
            MainDatabase.execute(QStringLiteral("UPDATE Member SET \"%1\" = ? WHERE ID = ?").arg(column), {text, id});
            return id;
        };
        const qint64 holder = prospect(held);
        // Texts a pattern reading of the value would also match.
        for (const QString& decoy : {QStringLiteral("O Neil"), QStringLiteral("100 xdone"), QStringLiteral("100done"),
                                     QStringLiteral("quoted"), QStringLiteral("ab"), QStringLiteral("dir"),
                                     QStringLiteral("C:dir_x"), QStringLiteral("x"), QStringLiteral("*a[")})
            prospect(decoy);

        NavigatorScreen* screen = openNavigator(navigator);
        QVERIFY(screen);
        auto* search = screen->findChild<QLineEdit*>(box);
        QVERIFY(search);
        enter(search, held);
        QTest::mouseClick(screen->findChild<QPushButton*>(QStringLiteral("btnFind")), Qt::LeftButton);
        QCOMPARE(messages.count(), 0);
        QCOMPARE(screen->vsfgMembers->ids(), QList<qint64>{holder});
        closeAll(area.area());
    }
};

QTEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
