#include "NewDatabase.h"

#include "platform/Database.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>
#include <optional>

namespace {

int refuse(const QString& message)
{
    std::fprintf(stderr, "kov-newdb: %s\n", qPrintable(message));
    return 2;
}

// A whole number from lowest to highest, or nothing when the text is not one.
std::optional<qint64> count(const QString& text, qint64 lowest, qint64 highest)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    if (!ok || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

} // namespace

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
    const QCommandLineOption peopleOption(QStringLiteral("people"),
                                          QStringLiteral("With --demo: generate a church of this many people instead."),
                                          QStringLiteral("count"));
    const QCommandLineOption yearsOption(QStringLiteral("years"),
                                         QStringLiteral("With --people: years of attendance and giving (default 10)."),
                                         QStringLiteral("count"), QStringLiteral("10"));
    const QCommandLineOption seedOption(
        QStringLiteral("seed"), QStringLiteral("With --people: the random seed; the same seed gives the same church."),
        QStringLiteral("number"), QStringLiteral("1"));
    parser.addOptions({userOption, passwordOption, demoOption, peopleOption, yearsOption, seedOption});
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The database file to create."));
    parser.process(app);

    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        return refuse(QStringLiteral("name one database file to create (see --help)."));
    NewDatabase::Options options;
    options.userName = parser.value(userOption).trimmed();
    options.password = parser.value(passwordOption).trimmed();
    options.demo = parser.isSet(demoOption);
    if (options.userName.isEmpty() || options.password.isEmpty())
        return refuse(QStringLiteral("the first account needs a user name and a password (--user, --password)."));

    if (parser.isSet(peopleOption)) {
        if (!options.demo)
            return refuse(QStringLiteral("--people makes a demo church: add --demo."));
        const auto people = count(parser.value(peopleOption), 1, 1000000);
        if (!people)
            return refuse(QStringLiteral("--people needs a whole number from 1 to 1000000, not \"%1\".")
                              .arg(parser.value(peopleOption)));
        const auto years = count(parser.value(yearsOption), 1, 50);
        if (!years)
            return refuse(QStringLiteral("--years needs a whole number from 1 to 50, not \"%1\".")
                              .arg(parser.value(yearsOption)));
        bool ok = false;
        const quint64 seed = parser.value(seedOption).trimmed().toULongLong(&ok);
        if (!ok)
            return refuse(QStringLiteral("--seed needs a whole number, not \"%1\".").arg(parser.value(seedOption)));
        options.big = {int(*people), int(*years), seed};
    } else if (parser.isSet(yearsOption) || parser.isSet(seedOption)) {
        return refuse(QStringLiteral("--years and --seed shape a generated church: add --people."));
    }

    const QString file = files.first();
    if (QFileInfo::exists(file))
        return refuse(QStringLiteral("the file \"%1\" already exists; it is left as it is.").arg(file));

    QElapsedTimer timer;
    timer.start();
    try {
        Database db;
        NewDatabase::create(db, file, options);
        db.close();
    } catch (const DbError& error) {
        std::fprintf(stderr, "kov-newdb: %s\n", qPrintable(error.message()));
        return 1;
    }
    std::printf("Created %s with the administrator account \"%s\"", qPrintable(file), qPrintable(options.userName));
    if (options.big.people > 0)
        std::printf(" and %d people in %.1f s", options.big.people, timer.elapsed() / 1000.0);
    std::printf(".\n");
    return 0;
}
