#include "Bench.h"

#include "core/MainMod.h"
#include "shell/MDI.h"
#include "shell/ScreenRegistry.h"

#include <QApplication>
#include <QMdiArea>

namespace Bench {

namespace {
std::vector<Operation>& registry()
{
    static std::vector<Operation> all;
    return all;
}
} // namespace

bool add(Operation operation)
{
    registry().push_back(std::move(operation));
    return true;
}

const std::vector<Operation>& operations()
{
    return registry();
}

Context& context()
{
    static Context current;
    return current;
}

void openFromMenu(const QString& command, const char* screenClass)
{
    context().messages.clear();
    context().mdi->runCommand(command);
    // The user waits until the window is drawn.
    QApplication::processEvents();
    if (!context().messages.isEmpty())
        throw Failure(QStringLiteral("%1 showed \"%2\"").arg(command, context().messages.join(QStringLiteral(" / "))));
    if (!ScreenRegistry::isOpen(QString::fromLatin1(screenClass)))
        throw Failure(QStringLiteral("%1 did not open %2").arg(command, QString::fromLatin1(screenClass)));
}

void closeScreens()
{
    context().mdi->area()->closeAllSubWindows();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

int fetchAll(const QString& sql, const QVariantList& params)
{
    int rows = 0;
    Recordset rs = MainMod::MainDatabase.openRecordset(sql, params);
    for (; !rs.Eof(); rs.MoveNext())
        ++rows;
    rs.Close();
    return rows;
}

} // namespace Bench
