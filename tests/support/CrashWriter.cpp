// kov-crashwriter NAME DATABASE: runs one of the long writes (CrashWrites) on a database and prints "CHANGES n",
// the number of file changes it made. With KOV_KILL_AFTER=k in the environment it ends itself with SIGKILL right
// after the k-th change instead. kov-crashwriter --list prints the names, one a line.
#include "CrashWrites.h"
#include "KillingVfs.h"
#include "ScriptedMessages.h"
#include "TestArea.h"

#include "core/MainMod.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.value(0) == QLatin1String("--list")) {
        for (const CrashWrites::Write& write : CrashWrites::all())
            std::printf("%s\n", write.name);
        return 0;
    }
    const CrashWrites::Write* chosen = nullptr;
    for (const CrashWrites::Write& write : CrashWrites::all())
        if (arguments.value(0) == QLatin1String(write.name))
            chosen = &write;
    if (!chosen || arguments.size() != 2) {
        std::fprintf(stderr, "usage: kov-crashwriter --list | NAME DATABASE\n");
        return 2;
    }

    KillingVfs::install(qEnvironmentVariableIntValue("KOV_KILL_AFTER"));
    try {
        MainMod::DatabasePath = arguments.at(1);
        MainMod::ConnectDatabase();
        TestArea area;
        ScriptedMessages messages;
        KillingVfs::arm(true);
        chosen->run();
        KillingVfs::arm(false);
        // A screen reports a failed write in a message box rather than by throwing.
        for (const Messages::Message& message : messages.shown())
            if (message.icon == Messages::Icon::Critical) {
                std::fprintf(stderr, "%s\n", qPrintable(message.text));
                return 1;
            }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    std::printf("CHANGES %d\n", KillingVfs::changes());
    MainMod::MainDatabase.close();
    return 0;
}
