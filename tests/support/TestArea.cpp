#include "TestArea.h"

#include "platform/Twips.h"
#include "shell/ScreenRegistry.h"

#include <QDir>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QPointer>
#include <QtTest>

TestArea::TestArea()
{
    Twips::applyDesignFont();
    m_area.resize(1100, 800);
    m_area.show();
    ScreenRegistry::setArea(&m_area);
}

TestArea::~TestArea()
{
    m_area.closeAllSubWindows();
    const auto windows = m_area.subWindowList();
    qDeleteAll(windows);
    ScreenRegistry::setArea(nullptr);
}

void grabIfAsked(QWidget* widget, const QString& name)
{
    const QString folder = qEnvironmentVariable("KOV_GRAB_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    widget->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

void typeWithTrips(QWidget* box, const QString& keys)
{
    const QStringList goes = keys.split(QLatin1Char('|'));
    if (goes.size() > 1)
        QTest::qWait(0); // the box selected as it was entered
    QTest::keyClicks(box, goes.first());
    const QPointer<QWidget> open(box); // a cell editor closes if the trip ends it
    QWidget* window = box->window();
    // A click through the window, as the window system sends it: the menu opens as the right button goes down.
    const auto click = [window](QWidget* on, Qt::MouseButton button) {
        QWindow* handle = window->windowHandle();
        const QPoint at = handle->mapFromGlobal(on->mapToGlobal(on->rect().center()));
        QTest::mousePress(handle, button, {}, at);
        QTest::mouseRelease(handle, button, {}, at);
    };
    for (int i = 1; i + 1 < goes.size(); i += 2) {
        QVERIFY2(open, "the box was closed by the trip before");
        const QString how = goes.at(i);
        if (how == "program" || how == "message") {
            QWidget modal;
            modal.setWindowModality(Qt::ApplicationModal);
            if (how == "message")
                modal.show();
            QApplication::setActiveWindow(how == "message" ? &modal : nullptr);
        }
        if (how == "label") {
            const QPoint label = box->geometry().topLeft() + QPoint(-20, 5);
            QVERIFY(qobject_cast<QLabel*>(box->parentWidget()->childAt(label)));
            QTest::mouseClick(box->parentWidget(), Qt::LeftButton, {}, label);
        }
        if (how == "tab") {
            QTest::keyClick(box, Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        }
        if (how == "right") // from another control
            QTest::keyClick(box, Qt::Key_Tab);
        if (how == "menu" || how == "right") {
            click(box, Qt::RightButton);
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        }
        if (how.startsWith("alt")) { // Alt alone moves into the menu bar; Escape back, or "alt>NAME" a click on NAME
            QMenuBar bar(window);
            bar.addMenu(QStringLiteral("&File"));
            bar.show();
            QTest::keyClick(box, Qt::Key_Alt);
            QCOMPARE(QApplication::focusWidget(), &bar);
            if (how == "alt")
                QTest::keyClick(&bar, Qt::Key_Escape);
            else
                click(window->findChild<QWidget*>(how.section('>', 1)), Qt::LeftButton);
        }
        QTest::qWait(0); // the window system's news, then the box's window active again
        QApplication::setActiveWindow(window);
        QTest::qWait(0);
        QTest::keyClicks(QApplication::focusWidget(), goes.at(i + 1)); // where the keys go now
    }
}
