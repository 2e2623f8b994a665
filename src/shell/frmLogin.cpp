#include "frmLogin.h"

#include "MDI.h"
#include "ScreenRegistry.h"
#include "Startup.h"

#include "core/MainMod.h"
#include "core/Passwords.h"
#include "platform/EntryBoxes.h"
#include "platform/Messages.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

frmLogin::frmLogin(QWidget* parent) : Screen(parent)
{
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("Login"));
    Twips::setFixedClientSize(this, 3675, 1560);

    lblUsername = new QLabel(QStringLiteral("Username"), this);
    lblUsername->setObjectName(QStringLiteral("lblUsername"));
    Twips::place(lblUsername, 240, 240, 855, 255);
    Label1 = new QLabel(QStringLiteral("Password"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Twips::place(Label1, 240, 600, 855, 255);
    txtUsername = new QLineEdit(this);
    txtUsername->setObjectName(QStringLiteral("txtUsername"));
    Twips::place(txtUsername, 1200, 240, 2295, 285);
    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtUsername->setMaxLength(Passwords::kMaxLength);
    txtPassword->setMaxLength(Passwords::kMaxLength);
    makePasswordBox(txtPassword);
    Twips::place(txtPassword, 1200, 600, 2295, 285);
    btnLogin = new QPushButton(QStringLiteral("Login"), this);
    btnLogin->setObjectName(QStringLiteral("btnLogin"));
    btnLogin->setDefault(true);
    Twips::place(btnLogin, 1200, 1080, 1095, 375);
    btnCancel = new QPushButton(QStringLiteral("Close"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    Twips::place(btnCancel, 2400, 1080, 1095, 375);
    setTabOrder(txtUsername, txtPassword);
    setTabOrder(txtPassword, btnLogin);
    setTabOrder(btnLogin, btnCancel);
    SelectAllOnFocus::install(txtUsername);
    SelectAllOnFocus::install(txtPassword);

    on(btnLogin, &QPushButton::clicked, [this] { btnLogin_Click(); });
    // Enter in either box logs in, as on a default button.
    on(txtUsername, &QLineEdit::returnPressed, [this] { btnLogin_Click(); });
    on(txtPassword, &QLineEdit::returnPressed, [this] { btnLogin_Click(); });
    on(btnCancel, &QPushButton::clicked, [this] { btnCancel_Click(); });
}

void frmLogin::Form_Load()
{
    // Centred over the main window's work area.
    QMdiSubWindow* sub = subWindow();
    if (!sub || !sub->mdiArea())
        return;
    const QSize area = sub->mdiArea()->size();
    sub->move(qMax(0, (area.width() - sub->width()) / 2), qMax(0, (area.height() - sub->height()) / 2));
    txtUsername->setFocus();
}

void frmLogin::btnLogin_Click()
{
    if (txtUsername->text().isEmpty()) {
        Messages::show(QStringLiteral("You must enter a username"), QStringLiteral("Invalid Username"),
                       Messages::Icon::Exclamation);
        txtUsername->setFocus();
        return;
    }
    const QString typedPassword = txtPassword->text().trimmed();
    Recordset rs = MainMod::MainDatabase.openRecordset(
        QStringLiteral("SELECT Member_ID, Type, Username, Password FROM User WHERE Username = ? AND Inactive = 0"),
        {txtUsername->text().trimmed()});
    if (!rs.Eof() && Passwords::matches(typedPassword, rs.Text(QStringLiteral("Password")))) {
        const qint64 memberId = rs.Id(QStringLiteral("Member_ID"));
        // An old plain password is replaced by its hash at its first use.
        if (!Passwords::isHashed(rs.Text(QStringLiteral("Password"))))
            MainMod::MainDatabase.execute(QStringLiteral("UPDATE User SET Password = ? WHERE Member_ID = ?"),
                                          {Passwords::hash(typedPassword), memberId});
        MainMod::CurrentUserID = memberId;
        MainMod::CurrentUserType = rs.Text(QStringLiteral("Type"));
        MainMod::CurrentUsername = rs.Text(QStringLiteral("Username"));
        rs.Close();
        // Screens left open at Log Off were opened with the rights held then; the same user's rights may have
        // changed since, so every log-in keeps only the screens the user may open now.
        ScreenRegistry::closeScreensWithoutRights();
        ScreenRegistry::userChanged();
        if (MDI* mdi = MainMod::MainWindow())
            mdi->setLoggedIn(true);
        Unload();
        return;
    }
    rs.Close();
    Messages::show(QStringLiteral("Your username and/or password is invalid."),
                   QStringLiteral("Invalid Username/Password"), Messages::Icon::Exclamation);
    txtUsername->clear();
    txtPassword->clear();
    txtUsername->setFocus();
}

void frmLogin::btnCancel_Click()
{
    MainMod::CloseAndExit();
}
