// kov-locker shared|exclusive DATABASE: another program holding a database. It takes the lock (shared: it is
// reading, so nobody may commit a change; exclusive: it is writing, so nobody may even read), prints "LOCKED" and
// keeps it until its standard input closes.
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() != 2 || !QStringList{"shared", "exclusive"}.contains(arguments.at(0))) {
        std::fprintf(stderr, "usage: kov-locker shared|exclusive DATABASE\n");
        return 2;
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        db.setDatabaseName(arguments.at(1));
        QSqlQuery query(db);
        const bool shared = arguments.at(0) == QLatin1String("shared");
        if (!db.open() || !query.exec(shared ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN EXCLUSIVE")) ||
            (shared && (!query.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master")) || !query.next()))) {
            std::fprintf(stderr, "could not lock %s\n", qPrintable(arguments.at(1)));
            return 1;
        }
        std::printf("LOCKED\n");
        std::fflush(stdout);
        while (std::getchar() != EOF) {
        }
        query.finish();
        query.exec(QStringLiteral("ROLLBACK"));
    }
    QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
    return 0;
}
