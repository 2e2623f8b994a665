#include "TestArea.h"

#include "platform/Twips.h"
#include "shell/ScreenRegistry.h"

#include <QDir>
#include <QMdiSubWindow>
#include <QPixmap>

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
