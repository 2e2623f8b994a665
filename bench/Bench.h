#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>
#include <stdexcept>

class MDI;

// The benchmark's operations: each area of the program registers what its users wait on in a file of its own,
// bench/OpsNNArea.cpp (the number places its rows in the table), and kov-bench times them in that order.
namespace Bench {

// Where the work is fetching and showing rows, the program should take at most twice the time SQLite takes to
// fetch the same rows; every operation also has its budget.
enum class Kind { Rows, Absolute };

struct Operation {
    QString name;
    Kind kind = Kind::Absolute;
    double budgetMs = 100;
    std::function<void()> setUp;    // untimed, before each timed run (of either kind)
    std::function<void()> run;      // timed: the program's own path, as a user sets it going
    std::function<void()> raw;      // timed: the same rows (or statements) straight through the data layer
    std::function<void()> tearDown; // untimed, after each timed run
};

// Registers an operation; call it from the initializer of a namespace-scope constant, e.g.
//   const bool added = Bench::add({.name = QStringLiteral("Open the member navigator"), .kind = Bench::Kind::Rows,
//                                  .run = [] { Bench::openFromMenu(...); }, .raw = [] { Bench::fetchAll(...); },
//                                  .tearDown = [] { Bench::closeScreens(); }});
bool add(Operation operation);
const std::vector<Operation>& operations();

// What the operations run against: a copy of the database opened as the program opens it, the main window
// with its menus, a user logged in as an administrator.
struct Context {
    QString databasePath;
    QString folder;   // a temporary folder of the run
    QString program;  // the kov program
    QString userName; // an administrator whose password is set to the one below
    QString password;
    MDI* mdi = nullptr;
    QStringList messages; // message boxes shown since the last clear, answered Yes / OK
};
Context& context();

// An operation that did not do what it should: the row says so and kov-bench ends with status 1.
struct Failure : std::runtime_error {
    explicit Failure(const QString& what) : std::runtime_error(what.toStdString()) {}
};

// Runs a menu command as the menu does and fails unless the screen of that class opened without a message.
void openFromMenu(const QString& command, const char* screenClass);
// Closes every open screen and lets Qt delete them.
void closeScreens();
// Fetches every column of every row of a statement through the data layer; returns the row count.
int fetchAll(const QString& sql, const QVariantList& params = {});

} // namespace Bench
