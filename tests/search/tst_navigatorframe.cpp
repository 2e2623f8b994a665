#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "core/MainMod.h"
#include "members/frmMemberEntry.h"
#include "search/NavigatorScreen.h"
#include "shell/ScreenRegistry.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QtTest>

namespace {

// A navigator laid out as attendance entry will be: seven check columns, the ID in column 7, no count.
class CheckNavigator : public NavigatorScreen {
    Q_OBJECT
public:
    CheckNavigator() : NavigatorScreen({7, {0, 1, 2, 3, 4, 5, 6}, false, QString(), false})
    {
        setObjectName(QStringLiteral("CheckNavigator"));
        buildFrames(QRect(120, 120, 9855, 1815), QStringLiteral("Names"), QRect(120, 2040, 10935, 4215));
    }
    void Form_Load() override { placeOnLoad(11835); }
    void show(QList<NavigatorRow> rows)
    {
        showResults({"SS", "SL", "RBD", "WS", "DT", "SE", "WN", "ID", "Name"}, std::move(rows));
    }
};

} // namespace

class TestNavigatorFrame : public QObject {
    Q_OBJECT

private slots:
    void checkColumnsIdColumnAndNoCount()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MainMod::CurrentUserType = QStringLiteral("Admin");
        const qint64 ann = TestDatabase::addMember(QStringLiteral("Adams"), QStringLiteral("Ann"));
        // Well past the old 16-bit ceiling.
        MainMod::MainDatabase.execute(
            QStringLiteral("INSERT INTO Member (ID, Last_Name, First_Name) VALUES (70000, 'Baker', 'Bob')"));
        const qint64 bob = 70000;
        auto* s = ScreenRegistry::load<CheckNavigator>();
        QVERIFY(s);
        QList<NavigatorRow> rows;
        rows.append({ann, {"", "", "", "", "", "", "", "Adams, Ann"}, 0b0000101});
        rows.append({bob, {"", "", "", "", "", "", "", "Baker, Bob"}, 0});
        s->show(rows);
        NavigatorGrid* grid = s->vsfgMembers;
        QCOMPARE(grid->text(0, 7), QString::number(ann));
        QCOMPARE(grid->text(1, 8), QStringLiteral("Baker, Bob"));
        QCOMPARE(s->Frame2->title(), QStringLiteral("Names"));
        QVERIFY(grid->isChecked(0, 0));
        QVERIFY(!grid->isChecked(0, 1));
        QVERIFY(grid->isChecked(0, 2));

        // A click ticks a check cell; the text cells cannot be changed.
        const QRect box = grid->visualRect(grid->model()->index(1, 3));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, box.center());
        QVERIFY(grid->isChecked(1, 3));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, box.center());
        QVERIFY(!grid->isChecked(1, 3));
        QVERIFY(!(grid->model()->flags(grid->model()->index(1, 8)) & Qt::ItemIsEditable));
        QVERIFY(!grid->model()->setData(grid->model()->index(1, 8), QStringLiteral("x")));

        // The double-click opens the row's ID from column 7, whatever the cell says.
        grid->pickRow(1);
        s->vsfgMembers_DblClick(1);
        auto* member = ScreenRegistry::find<frmMemberEntry>();
        QVERIFY(member);
        QCOMPARE(member->MemberId(), bob);
        QCOMPARE(messages.count(), 0);
    }
};

QTEST_MAIN(TestNavigatorFrame)
#include "tst_navigatorframe.moc"
