// The text boxes of the three navigators find people whatever the letter case, in every alphabet.
#include "support/MemberRows.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "core/MainMod.h"
#include "outreach/frmProspectNavigator.h"
#include "search/NavigatorGrid.h"
#include "search/frmAttendanceNavigator.h"
#include "search/frmMemberNavigator.h"
#include "shell/ScreenRegistry.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using MainMod::MainDatabase;

namespace {

NavigatorScreen* openNavigator(const QString& which)
{
    MainMod::CurrentUserType = QStringLiteral("Admin");
    if (which == QLatin1String("member"))
        return ScreenRegistry::load<frmMemberNavigator>();
    if (which == QLatin1String("prospect"))
        return ScreenRegistry::load<frmProspectNavigator>();
    return ScreenRegistry::load<frmAttendanceNavigator>();
}

// Keys typed one by one, letters outside ASCII included (as a keyboard layout with those keys sends them).
void typeKeys(QWidget* widget, const QString& text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

} // namespace

class TestNameCase : public QObject {
    Q_OBJECT

private slots:
    void typedTextIgnoresLetterCase_data()
    {
        QTest::addColumn<QString>("navigator");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("found"); // first names, in grid order
        const QStringList angel{QStringLiteral("Ángel")};
        QTest::newRow("member, first name in small letters") << "member"
                                                             << "txtName"
                                                             << "ángel" << angel;
        QTest::newRow("member, last name in capitals") << "member"
                                                       << "txtName"
                                                       << "NÚÑEZ" << angel;
        QTest::newRow("member, accents still count") << "member"
                                                     << "txtName"
                                                     << "ANGEL" << QStringList{"Angel"};
        QTest::newRow("member, search box") << "member"
                                            << "txtSearch"
                                            << "ÑANDÚ" << angel;
        QTest::newRow("member, map box") << "member"
                                         << "txtMapSection"
                                         << "ü-3" << angel;
        QTest::newRow("member, % stays literal") << "member"
                                                 << "txtSearch"
                                                 << "ñ%ú" << QStringList{};
        QTest::newRow("prospect, name") << "prospect"
                                        << "txtName"
                                        << "NÚÑEZ" << angel;
        QTest::newRow("attendance, name") << "attendance"
                                          << "txtName"
                                          << "ángel" << angel;
    }
    void typedTextIgnoresLetterCase()
    {
        QFETCH(QString, navigator);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QStringList, found);
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        addPerson(QStringLiteral("Núñez"), QStringLiteral("Ángel"),
                  {{"Hobbies", QStringLiteral("Ñandú watching")}, {"Map_Section", QStringLiteral("Ü-3")}});
        addPerson(QStringLiteral("Nunez"), QStringLiteral("Angel"), {{"Map_Section", QStringLiteral("U-3")}});
        addPerson(QStringLiteral("Anderson"), QStringLiteral("Sandra"), {{"Hobbies", QStringLiteral("Nandu")}});
        NavigatorScreen* s = openNavigator(navigator);
        auto* edit = s->findChild<QLineEdit*>(box);
        QVERIFY(edit);
        edit->setFocus();
        typeKeys(edit, typed);
        QCOMPARE(edit->text(), typed);
        QTest::mouseClick(s->findChild<QPushButton*>(QStringLiteral("btnFind")), Qt::LeftButton);
        QStringList names;
        for (qint64 id : s->vsfgMembers->ids())
            names << MainDatabase.scalar(QStringLiteral("SELECT First_Name FROM Member WHERE ID = ?"), {id}).toString();
        QCOMPARE(names, found);
        QCOMPARE(messages.count(), 0);
    }
};

QTEST_MAIN(TestNameCase)
#include "tst_namecase.moc"
