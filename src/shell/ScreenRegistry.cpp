#include "ScreenRegistry.h"

#include "core/Permissions.h"

#include <QHash>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <algorithm>

namespace ScreenRegistry {

namespace {
QPointer<QMdiArea>& currentArea()
{
    static QPointer<QMdiArea> area;
    return area;
}

QHash<QString, QPointer<Screen>>& screens()
{
    static QHash<QString, QPointer<Screen>> open;
    return open;
}

// A screen comes forward at its own size, over the others at theirs: one left maximised goes back to its normal
// size.
void restoreMaximised(QMdiArea* mdi, const QMdiSubWindow* except)
{
    const QList<QMdiSubWindow*> windows = mdi->subWindowList();
    for (QMdiSubWindow* other : windows)
        if (other != except && other->isMaximized())
            other->showNormal();
}
} // namespace

void setArea(QMdiArea* area)
{
    currentArea() = area;
    // Fixed-size screens cannot be maximised: the window that comes forward when a maximised one closes, or is
    // switched to, keeps its own size. A screen that closes hands over to the one used last before it, not to the
    // next one opened.
    if (area) {
        area->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
        area->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    }
}

QMdiArea* area()
{
    return currentArea();
}

Screen* find(const QString& className)
{
    return screens().value(className);
}

void release(Screen* screen)
{
    const QString className = QString::fromLatin1(screen->metaObject()->className());
    if (screens().value(className) == screen)
        screens().remove(className);
}

bool isOpen(const QString& className)
{
    return find(className) != nullptr;
}

void closeScreensWithoutRights()
{
    const QList<QPointer<Screen>> open = screens().values();
    for (const QPointer<Screen>& screen : open) {
        if (!screen || screen->rights().isEmpty())
            continue;
        const QStringList rights = screen->rights();
        if (std::none_of(rights.begin(), rights.end(), MainMod::HasPermission))
            screen->Unload();
    }
}

void userChanged()
{
    const QList<QPointer<Screen>> open = screens().values();
    for (const QPointer<Screen>& screen : open)
        if (screen)
            Guard::run([&screen] { screen->UserChanged(); });
}

Screen* show(Screen* screen)
{
    const QString className = QString::fromLatin1(screen->metaObject()->className());
    screens().insert(className, screen);
    QMdiSubWindow* sub = nullptr;
    if (QMdiArea* mdi = area()) {
        sub = mdi->addSubWindow(screen);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->setWindowTitle(screen->windowTitle());
        if (screen->minimumSize() == screen->maximumSize()) {
            // Fixed-size screens: fixed border, no minimise or maximise button.
            sub->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
            sub->adjustSize();
            sub->setFixedSize(sub->size());
        }
        QObject::connect(screen, &QWidget::windowTitleChanged, sub, &QWidget::setWindowTitle);
    } else {
        screen->setAttribute(Qt::WA_DeleteOnClose);
    }
    if (!Guard::run([screen] { screen->Form_Load(); })) {
        screens().remove(className);
        if (sub)
            delete sub;
        else
            delete screen;
        return nullptr;
    }
    if (sub)
        sub->show();
    else
        screen->show();
    bringForward(screen);
    return screen;
}

void bringForward(Screen* screen)
{
    auto* sub = qobject_cast<QMdiSubWindow*>(screen->parentWidget());
    QMdiArea* mdi = area();
    if (!sub || !mdi || sub->mdiArea() != mdi) {
        if (screen->isMinimized())
            screen->showNormal();
        else
            screen->show();
        screen->raise();
        screen->activateWindow();
        return;
    }
    restoreMaximised(mdi, sub);
    if (sub->isMinimized())
        sub->showNormal();
    else if (sub->isHidden())
        sub->show();
    sub->raise();
    mdi->setActiveSubWindow(sub);
    // The work area takes a window it already holds as active to be in front, wherever the keyboard focus is. A
    // click in another screen while the main window is inactive (a dialog has just closed) leaves the focus there,
    // and that screen would come forward over this one as soon as the main window is active again.
    if (!sub->isAncestorOf(mdi->window()->focusWidget()))
        sub->setFocus();
}

} // namespace ScreenRegistry

namespace MainMod {

bool MemberEntryOpen()
{
    return ScreenRegistry::isOpen(QStringLiteral("frmMemberEntry"));
}

bool MemberNavigatorOpen()
{
    return ScreenRegistry::isOpen(QStringLiteral("frmMemberNavigator"));
}

} // namespace MainMod
