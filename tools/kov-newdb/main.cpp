#include "NewDatabase.h"

#include "platform/Database.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kov-newdb"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Creates a new Kov database file."));
    parser.addHelpOption();
    const QCommandLineOption userOption(QStringLiteral("user"), QStringLiteral("Log-in name of the first account."),
                                        QStringLiteral("name"), QStringLiteral("admin"));
    const QCommandLineOption passwordOption(QStringLiteral("password"),
                                            QStringLiteral("Password of the first account."), QStringLiteral("text"));
    const QCommandLineOption demoOption(QStringLiteral("demo"), QStringLiteral("Add a small demo church."));
    parser.addOption(userOption);
    parser.addOption(passwordOption);
    parser.addOption(demoOption);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The database file to create."));
    parser.process(app);

    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) {
        std::fprintf(stderr, "kov-newdb: name one database file to create (see --help).\n");
        return 2;
    }
    const QString user = parser.value(userOption).trimmed();
    const QString password = parser.value(passwordOption).trimmed();
    if (user.isEmpty() || password.isEmpty()) {
        std::fprintf(stderr, "kov-newdb: the first account needs a user name and a password (--user, --password).\n");
        return 2;
    }

    try {
        Database db;
        NewDatabase::create(db, files.first(), user, password, parser.isSet(demoOption));
        db.close();
    } catch (const DbError& error) {
        std::fprintf(stderr, "kov-newdb: %s\n", qPrintable(error.message()));
        return 1;
    }
    std::printf("Created %s with the administrator account \"%s\".\n", qPrintable(files.first()), qPrintable(user));
    return 0;
}
