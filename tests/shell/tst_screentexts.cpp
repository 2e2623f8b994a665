#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "DemoData.h"
#include "core/MainMod.h"
#include "members/frmMemberEntry.h"
#include "platform/Messages.h"
#include "platform/Twips.h"
#include "shell/MDI.h"
#include "shell/ScreenRegistry.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTimer>
#include <QtTest>

using MainMod::MainDatabase;

namespace {

QAction* command(MDI& mdi, const QString& control)
{
    for (QAction* action : mdi.findChildren<QAction*>())
        if (action->objectName() == control)
            return action;
    return nullptr;
}

// Shown, or on a tab page the user can bring forward; hidden helpers (ID twins, state boxes) do not count.
bool canBeSeen(const QWidget* widget, const QWidget* screen)
{
    for (const QWidget* w = widget; w && w != screen; w = w->parentWidget()) {
        const bool onTabPage = qobject_cast<const QStackedWidget*>(w->parentWidget()) != nullptr;
        if (w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide) && !onTabPage)
            return false;
    }
    return true;
}

QString plain(QString text)
{
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

QString where(const QWidget* w)
{
    QString name = w->objectName();
    for (const QWidget* p = w->parentWidget(); name.isEmpty() && p; p = p->parentWidget())
        name = p->objectName();
    return QStringLiteral("%1 in %2").arg(QString::fromLatin1(w->metaObject()->className()), name);
}

// Every caption, button text and list entry that the control's room cuts short, with the room it had.
QStringList cutTexts(const QWidget* screen)
{
    QStringList cut;
    const auto check = [&cut](const QWidget* w, const QString& text, int room) {
        const int needed = w->fontMetrics().horizontalAdvance(text);
        if (needed > room)
            cut << QStringLiteral("\"%1\" (%2): needs %3 px, has %4").arg(text, where(w)).arg(needed).arg(room);
    };
    for (const QWidget* w : screen->findChildren<QWidget*>()) {
        if (!canBeSeen(w, screen))
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            if (label->text().isEmpty() || !label->pixmap().isNull())
                continue;
            if (label->wordWrap()) {
                if (label->heightForWidth(label->width()) > label->height())
                    cut << QStringLiteral("\"%1\" (%2): wraps below its height").arg(label->text(), where(w));
                continue;
            }
            const int margins =
                2 * label->margin() + label->contentsMargins().left() + label->contentsMargins().right();
            for (const QString& line : plain(label->text()).split(QLatin1Char('\n')))
                if (!Qt::mightBeRichText(label->text()))
                    check(w, line, label->width() - margins);
        } else if (const auto* box = qobject_cast<const QCheckBox*>(w)) {
            if (box->text().isEmpty())
                continue;
            QStyleOptionButton option;
            option.initFrom(box);
            option.text = box->text();
            check(w, plain(box->text()),
                  box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).width());
        } else if (const auto* radio = qobject_cast<const QRadioButton*>(w)) {
            QStyleOptionButton option;
            option.initFrom(radio);
            check(w, plain(radio->text()),
                  radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio).width());
        } else if (const auto* button = qobject_cast<const QPushButton*>(w)) {
            if (button->text().isEmpty())
                continue;
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect inside = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            check(w, plain(button->text()), inside.width());
        } else if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.editable = combo->isEditable();
            const int room = combo->style()
                                 ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                                 .width();
            for (int i = 0; i < combo->count(); ++i)
                check(w, combo->itemText(i), room);
            // Closed, a pick list draws its entry a pixel inside the field on each side.
            if (!combo->isEditable())
                check(w, combo->currentText(), room - 2);
        }
    }
    return cut;
}

} // namespace

class TestScreenTexts : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_database = std::make_unique<TestDatabase>();
        DemoData::fill(MainDatabase);
    }
    void cleanupTestCase() { m_database.reset(); }

    // Every screen of the menus, opened at the demo church as an Admin and filled as the user would fill it:
    // no caption, button or list entry is cut short by its control.
    void everyTextFitsItsControl_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("closedBox"); // a pick list shown closed with each of its entries
        for (const char* c : {"CompanyInfo",
                              "LogOff",
                              "MemberNavigator",
                              "MemberEntry",
                              "ProspectNavigator",
                              "ProspectEntry",
                              "AttendanceNavigator",
                              "AttendanceEntry",
                              "ContributionEntry",
                              "SSClassEntry",
                              "DTClassEntry",
                              "WedClassEntry",
                              "CGEntry",
                              "ChurchResponsibilityEntry",
                              "OutreachPhaseEntry",
                              "DefinedValues",
                              "UserEntry",
                              "MemberInfoUpdateReportMdi",
                              "SundaySchoolRole",
                              "DiscipleshipTrainingRollReport",
                              "WednesdayNightRollReport",
                              "ProspectVisitationSheet",
                              "SSProsListing",
                              "ContributionsEntryControlReport",
                              "MemberContributions",
                              "About"})
            QTest::newRow(c) << QString::fromLatin1(c) << QString();
        QTest::newRow("MemberEntry, closed Status box") << "MemberEntry"
                                                        << "cmbMemberStatus";
    }
    void everyTextFitsItsControl()
    {
        QFETCH(QString, control);
        QFETCH(QString, closedBox);
        ScriptedMessages messages;
        MainMod::CurrentUserType = QStringLiteral("Admin");
        Twips::applyDesignFont();
        MDI mdi;
        mdi.resize(1280, 800);
        mdi.show();
        ScreenRegistry::setArea(mdi.area());
        mdi.setLoggedIn(true);
        QAction* entry = command(mdi, control);
        QVERIFY(entry);
        entry->trigger();
        QMdiSubWindow* sub = mdi.area()->activeSubWindow();
        QVERIFY(sub);
        QWidget* screen = sub->widget();
        // Filled as at work: a person shown, a search run.
        if (auto* member = qobject_cast<frmMemberEntry*>(screen)) {
            const qint64 head = MainDatabase
                                    .scalar(QStringLiteral("SELECT ID FROM Member WHERE First_Name = 'Michael' AND "
                                                           "Last_Name = 'Thompson'"))
                                    .toLongLong();
            member->LoadMember(head);
        }
        if (auto* find = screen->findChild<QPushButton*>(QStringLiteral("btnFind")))
            QTest::mouseClick(find, Qt::LeftButton);
        grabIfAsked(sub, QStringLiteral("texts-") + control);
        QStringList cut = cutTexts(screen);
        auto* box = closedBox.isEmpty() ? nullptr : screen->findChild<QComboBox*>(closedBox);
        for (int i = 0; box && i < box->count(); ++i) {
            box->setCurrentIndex(i);
            cut << cutTexts(screen);
        }
        cut.removeDuplicates();
        mdi.area()->closeAllSubWindows();
        ScreenRegistry::setArea(nullptr);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }

    // A message box is wide enough for its whole title, beside the title bar's icon and buttons, also when its
    // text is short.
    void aMessageBoxShowsItsWholeTitle_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("required fields") << "All fields in blue are required."
                                         << "Required Fields";
        QTest::newRow("envelope") << "A Member is already assigned this envelope."
                                  << "Envelope Number In Use";
        QTest::newRow("already running") << "This application is already running."
                                         << "Application Already Running";
        QTest::newRow("short text") << "Saved."
                                    << "Delete Confirmation";
    }
    void aMessageBoxShowsItsWholeTitle()
    {
        QFETCH(QString, text);
        QFETCH(QString, title);
        Twips::applyDesignFont();
        int width = 0;
        QString shownTitle;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            width = box->width();
            shownTitle = box->windowTitle();
            grabIfAsked(box, QStringLiteral("message-") + QTest::currentDataTag());
            QTest::keyClick(box, Qt::Key_Return);
        });
        Messages::show(text, title);
        QCOMPARE(shownTitle, title);
        // The title as a title bar draws it (bold, larger than the dialog's text), then the window icon and the
        // close, maximise and minimise buttons.
        QFont bar = QApplication::font();
        bar.setBold(true);
        bar.setPointSizeF(qMax(bar.pointSizeF(), 10.0));
        const int needed = QFontMetrics(bar).horizontalAdvance(title) + 4 * 28;
        QVERIFY2(width >= needed, qPrintable(QStringLiteral("%1 < %2").arg(width).arg(needed)));
    }

private:
    std::unique_ptr<TestDatabase> m_database;
};

QTEST_MAIN(TestScreenTexts)
#include "tst_screentexts.moc"
