// Contributions: the entry screen with every person listed, one envelope saved, a year of statements.

#include "Bench.h"

#include "core/MainMod.h"
#include "members/MoneyEdit.h"
#include "members/frmContributionEntry.h"
#include "reports/Reports.h"
#include "shell/ScreenRegistry.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QPushButton>

namespace {

using Bench::Kind;

frmContributionEntry* entryScreen()
{
    if (auto* open = ScreenRegistry::find<frmContributionEntry>())
        return open;
    Bench::openFromMenu(QStringLiteral("ContributionEntry"), "frmContributionEntry");
    return ScreenRegistry::find<frmContributionEntry>();
}

// A giver's envelope: the one of the person with the lowest ID who has one.
QString anEnvelope()
{
    return MainMod::MainDatabase
        .scalar(QStringLiteral("SELECT Envelope FROM Member WHERE IFNULL(Envelope, '') <> '' "
                               "AND ShowInContributionList <> 0 ORDER BY ID LIMIT 1"))
        .toString();
}

const bool added = [] {
    Bench::add({
        .name = QStringLiteral("Open Contribution Entry (everybody listed)"),
        .kind = Kind::Rows,
        .budgetMs = 150,
        .setUp =
            [] {
                Bench::closeScreens();
                // The benchmark works on a copy: list every person, as the heaviest church would.
                MainMod::MainDatabase.execute(
                    QStringLiteral("UPDATE Member SET ShowInContributionList = 1 WHERE ShowInContributionList = 0"));
            },
        .run = [] { entryScreen(); },
        .raw =
            [] {
                Bench::fetchAll(QStringLiteral(
                    "SELECT Last_Name, First_Name, Middle_Name, ID, Envelope FROM Member WHERE ShowInContributionList "
                    "<> 0 ORDER BY Last_Name, First_Name, Middle_Name, ID"));
            },
        .tearDown = [] { Bench::closeScreens(); },
    });
    Bench::add({
        .name = QStringLiteral("Save And New of one envelope"),
        .kind = Kind::Absolute,
        .budgetMs = 50,
        .setUp =
            [] {
                frmContributionEntry* s = entryScreen();
                s->txtEnv->setText(anEnvelope());
                s->txtAmount->setValue(QStringLiteral("25.00"));
                if (s->cmbDesignation->currentIndex() < 0)
                    s->cmbDesignation->setCurrentIndex(0);
                Bench::context().messages.clear();
            },
        .run =
            [] {
                entryScreen()->btnSave->click();
                if (!Bench::context().messages.isEmpty() || !entryScreen()->txtEnv->text().isEmpty())
                    throw Bench::Failure(QStringLiteral("the gift was not saved: %1")
                                             .arg(Bench::context().messages.join(QStringLiteral(" / "))));
            },
        .raw = {},
        .tearDown = {},
    });
    Bench::add({
        .name = QStringLiteral("A year of statements for every giver"),
        .kind = Kind::Absolute,
        .budgetMs = 10000,
        .setUp = [] { Bench::closeScreens(); },
        .run =
            [] {
                const int year = QDate::currentDate().year() - 1;
                Reports::PrintMemberContributionsReport(Reports::kAllMembers, QDate(year, 1, 1), QDate(year, 12, 31));
                QApplication::processEvents();
                if (!ScreenRegistry::isOpen(QStringLiteral("Viewer")) || !Bench::context().messages.isEmpty())
                    throw Bench::Failure(QStringLiteral("the statements were not shown"));
            },
        .raw = {},
        .tearDown = [] { Bench::closeScreens(); },
    });
    return true;
}();

} // namespace
