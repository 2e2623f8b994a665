#include "core/MainMod.h"
#include "core/StartupError.h"
#include "platform/Messages.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    try {
        MainMod::ReadConfig();
        MainMod::ConnectDatabase();
        MainMod::LoadChurchInfo();
    } catch (const StartupError& error) {
        Messages::show(error.message(), QStringLiteral("Kov"), Messages::Icon::Critical);
        return 1;
    } catch (const DbError& error) {
        Messages::show(error.message(), QStringLiteral("Kov"), Messages::Icon::Critical);
        return 1;
    }
    return 0;
}
