// kov-bench: times what a user of Kov waits on, on a large church, beside the same rows fetched straight from
// SQLite. A benchmark, not a test: it reports figures and never fails on them.

#include "Bench.h"

#include "BigChurch.h"
#include "NewDatabase.h"
#include "core/MainMod.h"
#include "core/Passwords.h"
#include "platform/Messages.h"
#include "platform/Twips.h"
#include "shell/MDI.h"
#include "shell/ScreenRegistry.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

constexpr double kRawFactor = 2.0;
const QString kBenchPassword = QStringLiteral("bench");

void say(const QString& text)
{
    std::printf("%s\n", qPrintable(text));
    std::fflush(stdout);
}

int refuse(const QString& text)
{
    std::fprintf(stderr, "kov-bench: %s\n", qPrintable(text));
    return 2;
}

struct Figures {
    double median = 0;
    double worst = 0;
};

Figures figures(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    const size_t n = ms.size();
    return {n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2, ms.back()};
}

// Times one run of one side of an operation; a failure carries its reason.
double timeOnce(const Bench::Operation& op, const std::function<void()>& body)
{
    if (op.setUp)
        op.setUp();
    QElapsedTimer timer;
    timer.start();
    try {
        body();
    } catch (...) {
        // Tidy up (a program still running, a screen open) before the failure is reported.
        try {
            if (op.tearDown)
                op.tearDown();
        } catch (...) {
        }
        throw;
    }
    const double ms = timer.nsecsElapsed() / 1e6;
    if (op.tearDown)
        op.tearDown();
    return ms;
}

// The program's runs and the raw runs take turns, so both meet the same load on a shared machine; one untimed
// run of each first warms the caches.
std::pair<Figures, std::optional<Figures>> timeBoth(const Bench::Operation& op, int runs)
{
    std::vector<double> own, raw;
    for (int i = -1; i < runs; ++i) {
        const double ms = timeOnce(op, op.run);
        if (i >= 0)
            own.push_back(ms);
        if (op.raw) {
            const double rawMs = timeOnce(op, op.raw);
            if (i >= 0)
                raw.push_back(rawMs);
        }
    }
    return {figures(own), op.raw ? std::optional<Figures>(figures(raw)) : std::nullopt};
}

QString cell(double ms)
{
    return QString::number(ms, 'f', ms < 10 ? 2 : 1);
}

// Opens the copy as the program does, with its main window, and an administrator whose password we know.
void prepareProgram(const QString& path)
{
    MainMod::DatabasePath = path;
    MainMod::ConnectDatabase();
    const QVariant admin = MainMod::MainDatabase.scalar(
        QStringLiteral("SELECT Member_ID FROM User WHERE Type = 'Admin' AND Inactive = 0 ORDER BY Member_ID LIMIT 1"));
    if (admin.isNull())
        throw Bench::Failure(QStringLiteral("the database has no active administrator account to log in with"));
    MainMod::MainDatabase.execute(QStringLiteral("UPDATE User SET Password = ? WHERE Member_ID = ?"),
                                  {Passwords::hash(kBenchPassword), admin});
    Bench::Context& c = Bench::context();
    c.userName = MainMod::MainDatabase.scalar(QStringLiteral("SELECT Username FROM User WHERE Member_ID = ?"), {admin})
                     .toString();
    c.password = kBenchPassword;
    MainMod::LoadChurchInfo();

    Twips::applyDesignFont();
    c.mdi = new MDI;
    c.mdi->setAttribute(Qt::WA_DeleteOnClose, false);
    ScreenRegistry::setArea(c.mdi->area());
    c.mdi->show();
    MainMod::CurrentUserID = admin.toLongLong();
    MainMod::CurrentUserType = QStringLiteral("Admin");
    MainMod::CurrentUsername = c.userName;
    c.mdi->setLoggedIn(true);
    Messages::setHandler([](const Messages::Message& m) {
        Bench::context().messages << m.text;
        return m.buttons == Messages::Buttons::Ok ? Messages::Answer::Ok : Messages::Answer::Yes;
    });
}

QString churchSize()
{
    auto n = [](const char* table) {
        return MainMod::MainDatabase.scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table)))
            .toLongLong();
    };
    return QStringLiteral("%1 people, %2 attendance rows, %3 contributions")
        .arg(n("Member"))
        .arg(n("AttendanceData"))
        .arg(n("Member_Contributions"));
}

} // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kov-bench"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times what Kov's users wait on. Without a database it makes a large church to time."));
    parser.addHelpOption();
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Timed runs of each operation (5)."),
                                        QStringLiteral("count"), QStringLiteral("5"));
    const QCommandLineOption peopleOption(QStringLiteral("people"),
                                          QStringLiteral("Size of the church made when no database is named (20000)."),
                                          QStringLiteral("count"), QStringLiteral("20000"));
    const QCommandLineOption programOption(QStringLiteral("kov"), QStringLiteral("The kov program (the one beside)."),
                                           QStringLiteral("path"),
                                           QDir(QApplication::applicationDirPath()).filePath(QStringLiteral("kov")));
    const QCommandLineOption onlyOption(QStringLiteral("only"),
                                        QStringLiteral("Time only the operations whose name holds this text."),
                                        QStringLiteral("text"));
    parser.addOptions({runsOption, peopleOption, programOption, onlyOption});
    parser.addPositionalArgument(QStringLiteral("database"),
                                 QStringLiteral("A Kov database; it is copied, not changed."));
    parser.process(app);

    bool ok = false;
    const int runs = parser.value(runsOption).toInt(&ok);
    if (!ok || runs < 1 || runs > 1000)
        return refuse(QStringLiteral("--runs needs a whole number from 1 to 1000."));
    const int people = parser.value(peopleOption).toInt(&ok);
    if (!ok || people < 1)
        return refuse(QStringLiteral("--people needs a whole number above 0."));
    if (parser.positionalArguments().size() > 1)
        return refuse(QStringLiteral("name at most one database (see --help)."));

    QTemporaryDir folder;
    if (!folder.isValid())
        return refuse(QStringLiteral("no temporary folder: %1").arg(folder.errorString()));
    Bench::Context& c = Bench::context();
    c.folder = folder.path();
    c.program = parser.value(programOption);
    c.databasePath = folder.filePath(QStringLiteral("bench.db"));

    std::optional<double> generated;
    if (parser.positionalArguments().isEmpty()) {
        say(QStringLiteral("Making a church of %1 people in %2 ...").arg(people).arg(folder.path()));
        QElapsedTimer timer;
        timer.start();
        try {
            Database db;
            NewDatabase::Options options;
            options.userName = QStringLiteral("admin");
            options.password = kBenchPassword;
            options.demo = true;
            options.big.people = people;
            NewDatabase::create(db, c.databasePath, options);
        } catch (const DbError& error) {
            return refuse(error.message());
        }
        generated = timer.elapsed() / 1000.0;
    } else {
        // The operations write (a delete, a password): they work on a copy.
        const QString given = parser.positionalArguments().first();
        try {
            Database check;
            check.open(given, MainMod::DatabasePassword);
        } catch (const DbError& error) {
            return refuse(error.message());
        }
        if (!QFile::copy(given, c.databasePath))
            return refuse(QStringLiteral("cannot copy \"%1\" to %2.").arg(given, folder.path()));
    }

    try {
        prepareProgram(c.databasePath);
    } catch (const DbError& error) {
        return refuse(error.message());
    } catch (const Bench::Failure& failure) {
        return refuse(QString::fromStdString(failure.what()));
    }

    say(QStringLiteral("Kov benchmark: %1 (%2); %3 runs each; %4 processors, %5.")
            .arg(parser.positionalArguments().value(0, QStringLiteral("generated church")), churchSize())
            .arg(runs)
            .arg(QThread::idealThreadCount())
            .arg(QSysInfo::prettyProductName()));
    if (generated)
        say(QStringLiteral("Generating %1 people took %2 s (target under 60 s: %3).")
                .arg(people)
                .arg(*generated, 0, 'f', 1)
                .arg(*generated < 60 ? QStringLiteral("met") : QStringLiteral("MISSED")));

    // The operation column fits the longest name.
    int nameWidth = 42;
    for (const Bench::Operation& op : Bench::operations())
        nameWidth = std::max(nameWidth, int(op.name.size()));
    const QString header = QStringLiteral("%1 %2 %3 %4 %5  %6")
                               .arg(QStringLiteral("Operation"), -nameWidth)
                               .arg(QStringLiteral("Median ms"), 10)
                               .arg(QStringLiteral("Worst ms"), 10)
                               .arg(QStringLiteral("Raw ms"), 10)
                               .arg(QStringLiteral("Ratio"), 6)
                               .arg(QStringLiteral("Target"));
    say(header);
    say(QString(header.size() + 14, u'-'));
    int failures = 0;
    for (const Bench::Operation& op : Bench::operations()) {
        if (!op.name.contains(parser.value(onlyOption), Qt::CaseInsensitive))
            continue;
        QString row = QStringLiteral("%1 ").arg(op.name, -nameWidth);
        try {
            const auto [own, raw] = timeBoth(op, runs);
            const double ratio = raw && raw->median > 0 ? own.median / raw->median : 0;
            bool met = own.median < op.budgetMs;
            QString target = QStringLiteral("< %1 ms").arg(op.budgetMs);
            if (op.kind == Bench::Kind::Rows) {
                met = met && raw && ratio <= kRawFactor;
                target += QStringLiteral(", <= %1x raw").arg(kRawFactor);
            }
            row +=
                QStringLiteral("%1 %2 %3 %4  %5: %6")
                    .arg(cell(own.median), 10)
                    .arg(cell(own.worst), 10)
                    .arg(raw ? cell(raw->median) : QStringLiteral("-"), 10)
                    .arg(raw && op.kind == Bench::Kind::Rows ? QString::number(ratio, 'f', 1) : QStringLiteral("-"), 6)
                    .arg(target, met ? QStringLiteral("met") : QStringLiteral("MISSED"));
        } catch (const Bench::Failure& failure) {
            ++failures;
            row += QStringLiteral("FAILED: %1").arg(QString::fromStdString(failure.what()));
        } catch (const DbError& error) {
            ++failures;
            row += QStringLiteral("FAILED: %1").arg(error.message());
        }
        say(row);
    }
    Messages::setHandler({});
    Bench::closeScreens();
    delete c.mdi;
    MainMod::MainDatabase.close();
    return failures ? 1 : 0;
}
