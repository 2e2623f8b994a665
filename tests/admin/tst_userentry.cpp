#include "support/MemberRows.h"
#include "support/OtherDesk.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "admin/frmUserEntry.h"
#include "core/MainMod.h"
#include "core/Passwords.h"
#include "platform/SqlValue.h"
#include "shell/ScreenRegistry.h"
#include "shell/frmLogin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>
#include <memory>

using MainMod::MainDatabase;

namespace {
const QString kAmy = QStringLiteral("Adams, Amy ");
const QString kBob = QStringLiteral("Brown, Bob ");
const QString kCy = QStringLiteral("Cole, Cy ");
const QString kDi = QStringLiteral("Dunn, Di ");

QString granted(qint64 memberId)
{
    return MainDatabase.scalar(QStringLiteral("SELECT group_concat(Name, '|') FROM (SELECT Name FROM UserPermission "
                                              "JOIN Permission ON Permission.ID = PermissionID WHERE MemberID = ? "
                                              "ORDER BY Name)"), {memberId}).toString();
}

QString stored(qint64 memberId, const char* column)
{
    return SqlValue::toText(MainDatabase.scalar(
        QStringLiteral("SELECT %1 FROM User WHERE Member_ID = ?").arg(QLatin1String(column)), {memberId}));
}

void pick(QComboBox* combo, const QString& text)
{
    combo->setCurrentIndex(combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
}

void typeInto(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

bool isOpen()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return ScreenRegistry::isOpen(QStringLiteral("frmUserEntry"));
}

// Opens the screen on a member's name.
frmUserEntry* open(const QString& name)
{
    if (isOpen())
        return nullptr;
    auto* screen = ScreenRegistry::load<frmUserEntry>();
    QApplication::setActiveWindow(ScreenRegistry::area());
    pick(screen->cmbName, name);
    return screen;
}
} // namespace

class TestUserEntry : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<ScriptedMessages> messages;
    std::unique_ptr<TestArea> area;
    qint64 amy = 0, bob = 0, cy = 0;

private slots:
    // Amy: a "User" with two grants (their IDs unlike the rights' IDs) and a grant without a right; Bob: no
    // account; Cy: an account without a password and an awkward name; Di: a stored type "admin"; Pat: a prospect.
    void init()
    {
        db = std::make_unique<TestDatabase>();
        amy = TestDatabase::addMember(QStringLiteral("Adams"), QStringLiteral("Amy"));
        bob = TestDatabase::addMember(QStringLiteral("Brown"), QStringLiteral("Bob"));
        cy = TestDatabase::addMember(QStringLiteral("Cole"), QStringLiteral("Cy"));
        const qint64 di = TestDatabase::addMember(QStringLiteral("Dunn"), QStringLiteral("Di"));
        TestDatabase::addMember(QStringLiteral("Ames"), QStringLiteral("Pat"), QStringLiteral("Prospect"));
        TestDatabase::addUser(amy, QStringLiteral("amy"), QStringLiteral("pw"));
        TestDatabase::grant(amy, QStringLiteral("Wednesday Night Roll Report"));
        TestDatabase::grant(amy, QStringLiteral("Member View"));
        MainDatabase.execute(QStringLiteral("INSERT INTO UserPermission (MemberID) VALUES (?)"), {amy});
        MainDatabase.execute(QStringLiteral("INSERT INTO User (Member_ID, Type, Username) VALUES (?, 'User', ?)"),
                             {cy, QStringLiteral("O'Neil; DROP TABLE User --")});
        TestDatabase::addUser(di, QStringLiteral("di"), QStringLiteral("pw"), QStringLiteral("admin"));
        MainDatabase.execute(QStringLiteral("INSERT INTO UserType (Name) VALUES ('user')"));
        messages = std::make_unique<ScriptedMessages>();
        area = std::make_unique<TestArea>();
    }

    void cleanup()
    {
        area.reset();
        messages.reset();
        db.reset();
    }

    void opensOnMembersAndTheTypeRule()
    {
        frmUserEntry* screen = open(QString());
        // Members only (the stand-by person included), in name order; no middle name ends in one blank.
        QCOMPARE(screen->cmbName->count(), 5);
        QCOMPARE(screen->cmbName->itemText(0), kAmy);
        QCOMPARE(screen->lstAllPermissions->count(), 26);
        QVERIFY(!screen->lstAllPermissions->isEnabled());
        pick(screen->cmbName, kAmy);
        QCOMPARE(screen->lstAllPermissions->count(), 24);
        QCOMPARE(entries(screen->lstUserPermissions), QStringList({"Member View", "Wednesday Night Roll Report"}));
        QCOMPARE(screen->txtPassword->text(), QString()); // the stored one never shows
        typeInto(screen->txtPassword, QStringLiteral("pw 9"));
        QCOMPARE(screen->txtPassword->displayText(), QStringLiteral("****"));

        // The lists are open for the exact type "User" only.
        for (const char* type : {"Admin", "user", "User"}) {
            pick(screen->cmbType, QString::fromLatin1(type));
            QCOMPARE(screen->lstUserPermissions->isEnabled(), qstrcmp(type, "User") == 0);
            QCOMPARE(screen->btnAddAll->isEnabled(), qstrcmp(type, "User") == 0);
        }
        screen->lstAllPermissions->setCurrentRow(1);
        // Both lists show every name whole: nothing to scroll sideways, with all the rights in either.
        QCoreApplication::processEvents();
        grabIfAsked(screen->parentWidget(), QStringLiteral("frmUserEntry"));
        QCOMPARE(screen->lstAllPermissions->horizontalScrollBar()->maximum(), 0);
        screen->btnAddAll->click();
        QCoreApplication::processEvents();
        QCOMPARE(screen->lstUserPermissions->count(), 26);
        QCOMPARE(screen->lstUserPermissions->horizontalScrollBar()->maximum(), 0);
        grabIfAsked(screen->parentWidget(), QStringLiteral("frmUserEntry-all"));

        // From a member with grants to one without: every right is offered again.
        pick(screen->cmbName, kBob);
        QCOMPARE(screen->lstAllPermissions->count(), 26);
        QCOMPARE(screen->lstUserPermissions->count(), 0);
    }

    void accountMadeEditedMadeAdminAndBack()
    {
        frmUserEntry* screen = open(kBob);
        pick(screen->cmbType, QStringLiteral("User"));
        typeInto(screen->txtUsername, QStringLiteral("  bob  "));
        typeInto(screen->txtPassword, QStringLiteral(" Secret "));
        screen->lstAllPermissions->setCurrentRow(7);
        QTest::mouseClick(screen->btnAdd, Qt::LeftButton);
        screen->btnSave_Click();
        QVERIFY(!isOpen());
        QCOMPARE(stored(bob, "Username"), QStringLiteral("bob"));
        QCOMPARE(stored(bob, "DateEntered"), QStringLiteral("2026-12-07"));
        const QString hash = stored(bob, "Password");
        QVERIFY(Passwords::isHashed(hash) && Passwords::matches(QStringLiteral("secret"), hash));
        QCOMPARE(granted(bob), QStringLiteral("Defined Values"));

        // An empty password box keeps the stored hash.
        screen = open(kBob);
        typeInto(screen->txtUsername, QStringLiteral("robert"));
        screen->chkInactive->setChecked(true);
        screen->btnSave_Click();
        QCOMPARE(stored(bob, "Username"), QStringLiteral("robert"));
        QCOMPARE(stored(bob, "Password"), hash);
        QCOMPARE(stored(bob, "Inactive"), QStringLiteral("1"));
        QCOMPARE(granted(bob), QStringLiteral("Defined Values"));

        // "Admin" keeps no grants, even those still listed; back to "User" with one.
        screen = open(kBob);
        pick(screen->cmbType, QStringLiteral("Admin"));
        screen->btnSave_Click();
        QCOMPARE(granted(bob), QString());
        screen = open(kBob);
        pick(screen->cmbType, QStringLiteral("User"));
        screen->lstAllPermissions->setCurrentRow(25);
        screen->btnAdd_Click();
        screen->btnSave_Click();
        QCOMPARE(stored(bob, "Type"), QStringLiteral("User"));
        QCOMPARE(granted(bob), QStringLiteral("Wednesday Night Roll Report"));
        QCOMPARE(messages->count(), 0);
    }

    void movesKeepTheirOrder_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QString>("held");
        QTest::addColumn<QString>("lastOffered");
        QTest::newRow("add 1st and 3rd") << "btnAdd" << QList<int>{0, 2}
            << "Member View|Wednesday Night Roll Report|Attendance Navigator|Administrative Report"
            << "Wednesday Night Class Entry/Edit";
        QTest::newRow("add, none current") << "btnAdd" << QList<int>{}
            << "Member View|Wednesday Night Roll Report" << "Wednesday Night Class Entry/Edit";
        QTest::newRow("remove 2nd") << "btnRemove" << QList<int>{1} << "Member View"
            << "Wednesday Night Roll Report";
        QTest::newRow("remove all") << "btnRemoveAll" << QList<int>{} << "" << "Member View";
    }

    void movesKeepTheirOrder()
    {
        QFETCH(QString, button);
        QFETCH(QList<int>, selected);
        QFETCH(QString, held);
        QFETCH(QString, lastOffered);
        frmUserEntry* screen = open(kAmy);
        QListWidget* source = button == QLatin1String("btnAdd") ? screen->lstAllPermissions : screen->lstUserPermissions;
        for (int row : selected)
            source->setCurrentRow(row, QItemSelectionModel::Select);
        QTest::mouseClick(screen->findChild<QPushButton*>(button), Qt::LeftButton);
        QCOMPARE(entries(screen->lstUserPermissions).join(QLatin1Char('|')), held);
        QCOMPARE(screen->lstAllPermissions->item(screen->lstAllPermissions->count() - 1)->text(), lastOffered);
        // Each entry keeps its own right's ID through the save.
        screen->btnSave_Click();
        QStringList names = held.split(QLatin1Char('|'), Qt::SkipEmptyParts);
        names.sort();
        QCOMPARE(granted(amy), names.join(QLatin1Char('|')));
    }

    void userNameMustBeUnique_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("refused");
        QTest::newRow("other's in other case") << "DI" << true;
        QTest::newRow("other's with blanks") << " di " << true;
        QTest::newRow("other's, awkward") << "o'neil; DROP TABLE User --" << true;
        QTest::newRow("own in other case") << "AMY" << false;
        QTest::newRow("free, awkward") << "it's; DELETE FROM User" << false;
    }

    void userNameMustBeUnique()
    {
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        frmUserEntry* screen = open(kAmy);
        typeInto(screen->txtUsername, typed);
        QTest::keyClick(screen->txtUsername, Qt::Key_Tab);
        QCOMPARE(messages->count(), refused ? 1 : 0);
        if (refused) {
            QCOMPARE(messages->last().text, QStringLiteral("This username already exists.  Please choose a different username."));
            QCOMPARE(messages->last().title, QStringLiteral("Username Exists"));
            QCOMPARE(screen->txtUsername->text(), QString());
            QCOMPARE(QApplication::focusWidget(), screen->txtUsername);
        }
        // Save asks again, before the database's own index would refuse.
        screen->txtUsername->setText(typed);
        screen->btnSave_Click();
        QCOMPARE(messages->count(), refused ? 2 : 0);
        QCOMPARE(stored(amy, "Username"), refused ? QStringLiteral("amy") : typed.trimmed());
        QCOMPARE(isOpen(), refused);
    }

    // A refused save writes nothing and keeps the screen as it was; the register is free while the message shows.
    // Rows with no title are saves the last-administrator rule lets through.
    void refusedSavesChangeNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("userName");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("inactive");
        QTest::addColumn<QString>("situation"); // the administrators there are, or the member deleted before Save
        QTest::addColumn<QString>("title");
        const QString required = QStringLiteral("Required Fields");
        QTest::newRow("no name") << "" << "User" << "bob" << "pw" << false << "" << required;
        QTest::newRow("no type") << kBob << "" << "bob" << "pw" << false << "" << required;
        QTest::newRow("blank user name") << kBob << "User" << "  " << "pw" << false << "" << required;
        QTest::newRow("new account, blank password") << kBob << "User" << "bob" << "  " << false << "" << required;
        QTest::newRow("no password stored") << kCy << "" << "cy" << "" << false << "" << required;
        // A stored "admin" selects no type rather than turning into "Admin".
        QTest::newRow("type in other case") << kDi << "" << "di" << "" << false << "" << required;

        const QString notFound = QStringLiteral("Member Not Found");
        QTest::newRow("new Admin account, member deleted on the member screen")
            << kBob << "Admin" << "bob" << "pw" << false << "deleted on the member screen" << notFound;
        QTest::newRow("account edited, member deleted at another desk")
            << kAmy << "User" << "amy" << "pw2" << false << "deleted at another desk" << notFound;

        // Di's "admin" is no administrator: Bob's account is the only active one.
        const QString last = QStringLiteral("Last Administrator");
        QTest::newRow("only admin made User") << kBob << "User" << "bob" << "" << false << "only admin" << last;
        QTest::newRow("only admin made inactive") << kBob << "Admin" << "bob" << "" << true << "only admin" << last;
        QTest::newRow("only active admin made User, an inactive admin beside")
            << kBob << "User" << "bob" << "" << false << "inactive admin beside" << last;
        QTest::newRow("admin made User, another active admin: saved")
            << kBob << "User" << "bob" << "" << false << "active admin beside" << "";
        QTest::newRow("only admin stays Admin: saved")
            << kBob << "Admin" << "robert" << "" << false << "only admin" << "";
    }

    void refusedSavesChangeNothing()
    {
        QFETCH(QString, name);
        QFETCH(QString, type);
        QFETCH(QString, userName);
        QFETCH(QString, password);
        QFETCH(bool, inactive);
        QFETCH(QString, situation);
        QFETCH(QString, title);
        if (situation.contains(QLatin1String("admin")))
            TestDatabase::addUser(bob, QStringLiteral("bob"), QStringLiteral("pw"), QStringLiteral("Admin"));
        if (situation.endsWith(QLatin1String("beside")))
            MainDatabase.execute(QStringLiteral("UPDATE User SET Type = 'Admin', Inactive = ? WHERE Member_ID = ?"),
                                 {situation.startsWith(QLatin1String("inactive")), cy});
        frmUserEntry* screen = open(name);
        if (!type.isEmpty())
            pick(screen->cmbType, type);
        typeInto(screen->txtUsername, userName);
        typeInto(screen->txtPassword, password);
        screen->chkInactive->setChecked(inactive);
        const qint64 member = name == kAmy ? amy : bob;
        if (situation.startsWith(QLatin1String("deleted "))) {
            QVERIFY(deletePerson(member, situation.endsWith(QLatin1String("desk")) ? db->path() : QString()));
            messages->clear();
        }
        const auto rows = [] {
            return QStringList{
                MainDatabase
                    .scalar(QStringLiteral("SELECT group_concat(Member_ID || Type || Username || "
                                           "IFNULL(Password, '') || Inactive) FROM User"))
                    .toString(),
                MainDatabase
                    .scalar(QStringLiteral("SELECT group_concat(MemberID || ',' || IFNULL(PermissionID, '')) "
                                           "FROM UserPermission"))
                    .toString()};
        };
        const auto shown = [screen] {
            return QStringList{screen->cmbName->currentText(), screen->cmbType->currentText(),
                               screen->txtUsername->text(), screen->txtPassword->text(),
                               QString::number(screen->chkInactive->isChecked())} +
                   entries(screen->lstUserPermissions);
        };
        const QStringList before = rows();
        const QStringList showing = shown();
        OtherDesk desk(db->path());
        QVERIFY(desk.canSaveWhileShown(*messages, [&] { QTest::mouseClick(screen->btnSave, Qt::LeftButton); }));

        if (title.isEmpty()) {
            QCOMPARE(messages->count(), 0);
            QVERIFY(!isOpen());
            QCOMPARE(stored(bob, "Type"), type);
            QCOMPARE(stored(bob, "Username"), userName);
            QCOMPARE(stored(bob, "Inactive"), QStringLiteral("0"));
            return;
        }
        QCOMPARE(messages->count(), 1);
        QCOMPARE(messages->last().title, title);
        const QMap<QString, QString> said{
            {QStringLiteral("Required Fields"), QStringLiteral("Name, Type, Username, and Password are Required.")},
            {QStringLiteral("Member Not Found"), QStringLiteral("This member no longer exists.")},
            {QStringLiteral("Last Administrator"),
             QStringLiteral("At least one active administrator account must remain.")}};
        QCOMPARE(messages->last().text, said.value(title));
        QCOMPARE(messages->last().icon,
                 title == QLatin1String("Required Fields") ? Messages::Icon::None : Messages::Icon::Exclamation);
        QVERIFY(isOpen());
        QCOMPARE(rows(), before);
        QCOMPARE(shown(), showing);
        if (!situation.startsWith(QLatin1String("deleted")))
            return;
        // The deleted person has no account, so their user name does not log in.
        QCOMPARE(stored(member, "Username"), QString());
        auto* login = ScreenRegistry::load<frmLogin>();
        login->txtUsername->setText(userName);
        login->txtPassword->setText(password);
        QTest::mouseClick(login->btnLogin, Qt::LeftButton);
        QCOMPARE(messages->last().title, QStringLiteral("Invalid Username/Password"));
        QVERIFY(MainMod::CurrentUserID != member);
    }
};

QTEST_MAIN(TestUserEntry)
#include "tst_userentry.moc"
