// Outreach: the contact screen with every person listed, choosing a prospect, saving a contact with its next step.

#include "Bench.h"

#include "core/MainMod.h"
#include "outreach/frmProspectContactEntry.h"
#include "platform/IdList.h"
#include "shell/ScreenRegistry.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>

namespace {

using Bench::Kind;

frmProspectContactEntry* contactScreen()
{
    if (auto* open = ScreenRegistry::find<frmProspectContactEntry>())
        return open;
    Bench::openFromMenu(QStringLiteral("ProspectEntry"), "frmProspectContactEntry");
    return ScreenRegistry::find<frmProspectContactEntry>();
}

// An active prospect on the plan, and a member to visit them.
qint64 aProspect()
{
    static qint64 id = MainMod::MainDatabase
                           .scalar(QStringLiteral("SELECT ID FROM Member WHERE Status = 'Prospect' AND "
                                                  "Prospect_Active_Status = 'Active' AND Prospect_Phase IS NOT NULL "
                                                  "ORDER BY ID LIMIT 1"))
                           .toLongLong();
    return id;
}

qint64 aVisitor()
{
    static qint64 id =
        MainMod::MainDatabase
            .scalar(QStringLiteral("SELECT ID FROM Member WHERE Status = 'Member' AND ID > 1 ORDER BY ID LIMIT 1"))
            .toLongLong();
    return id;
}

void chooseProspect()
{
    frmProspectContactEntry* s = contactScreen();
    IdList::select(s->cmbProspect, aProspect());
    if (IdList::currentId(s->cmbProspect).toLongLong() != aProspect())
        throw Bench::Failure(QStringLiteral("prospect %1 is not listed").arg(aProspect()));
}

const bool added = [] {
    Bench::add({
        .name = QStringLiteral("Open Prospect Contact Entry (everybody listed)"),
        .kind = Kind::Rows,
        .budgetMs = 100,
        .setUp = [] { Bench::closeScreens(); },
        .run = [] { contactScreen(); },
        .raw =
            [] {
                Bench::fetchAll(QStringLiteral("SELECT IFNULL(Last_Name,'') || ', ' || IFNULL(First_Name,'') || ' ' || "
                                               "IFNULL(Middle_Name,''), ID FROM Member ORDER BY Last_Name, "
                                               "First_Name, Middle_Name, ID"));
            },
        .tearDown = [] { Bench::closeScreens(); },
    });
    Bench::add({
        .name = QStringLiteral("Choose a prospect (plan and next step)"),
        .kind = Kind::Absolute,
        .budgetMs = 100,
        .setUp = [] { contactScreen()->cmbProspect->setCurrentIndex(-1); },
        .run = chooseProspect,
        .raw = {},
        .tearDown = {},
    });
    Bench::add({
        .name = QStringLiteral("Save a contact with its next step"),
        .kind = Kind::Absolute,
        .budgetMs = 100,
        .setUp =
            [] {
                frmProspectContactEntry* s = contactScreen();
                s->cmbProspect->setCurrentIndex(-1);
                chooseProspect();
                IdList::select(s->cmbVisitor1, aVisitor());
                if (s->cmbRating->currentIndex() < 0)
                    s->cmbRating->setCurrentIndex(s->cmbRating->count() - 1);
                if (s->cmbAction->currentIndex() < 0)
                    s->cmbAction->setCurrentIndex(s->cmbAction->count() - 1);
                Bench::context().messages.clear();
            },
        .run =
            [] {
                contactScreen()->btnSave->click();
                if (!Bench::context().messages.isEmpty())
                    throw Bench::Failure(QStringLiteral("Save showed \"%1\"")
                                             .arg(Bench::context().messages.join(QStringLiteral(" / "))));
            },
        .raw = {},
        .tearDown = {},
    });
    return true;
}();

} // namespace
