#include "PersonFilters.h"

#include "NavigatorScreen.h"
#include "SearchStatement.h"

#include "core/TypeAhead.h"
#include "members/PickLists.h"

#include <QComboBox>
#include <QLineEdit>

void PersonFilters::load() const
{
    NavigatorScreen::fillTexts(cmbStatus, QStringLiteral("SELECT Status FROM MemberStatus ORDER BY Status"));
    NavigatorScreen::fillTexts(cmbChurchStatus, QStringLiteral("SELECT Status FROM ChurchStatus ORDER BY Status"));
    PickLists::fillWithIds(cmbSSClass, QStringLiteral("SELECT Name, ID FROM Sunday_School ORDER BY Name, ID"));
    PickLists::fillWithIds(cmbDiscClass,
                           QStringLiteral("SELECT Name, ID FROM Discipleship_Training ORDER BY Name, ID"));
    PickLists::fillWithIds(cmbWedClass, QStringLiteral("SELECT Name, ID FROM Wednesday_Night ORDER BY Name, ID"));
}

void PersonFilters::addTo(SearchStatement& search) const
{
    if (!txtName->text().isEmpty())
        search.addAnywhere({"Member.First_Name", "Member.Last_Name", "Member.Middle_Name"}, txtName->text());
    search.addChosenText(cmbStatus, QStringLiteral("Member.Status = ?"));
    search.addChosenText(cmbChurchStatus, QStringLiteral("Member.Member_Active_Status = ?"));
    search.addChosenId(cmbSSClass, QStringLiteral("Member.Sunday_School_Class"));
    search.addChosenId(cmbDiscClass, QStringLiteral("Member.Discipleship_Training_Class"));
    search.addChosenId(cmbWedClass, QStringLiteral("Member.Wednesday_Night_Class"));
}

void PersonFilters::clear() const
{
    txtName->clear();
    for (QComboBox* combo : {cmbStatus, cmbChurchStatus, cmbSSClass, cmbDiscClass, cmbWedClass})
        combo->setCurrentIndex(-1);
}

void PersonFilters::installTypeAhead() const
{
    for (QComboBox* combo : {cmbStatus, cmbChurchStatus, cmbSSClass, cmbDiscClass, cmbWedClass})
        TypeAhead::install(combo);
}
