// The member screen's pick lists: filled in a fixed order, each from its own query, in the query's order.
#include "frmMemberEntry.h"

#include "PickLists.h"

#include "core/MainMod.h"
#include "platform/IdList.h"
#include "platform/SqlValue.h"

#include <QComboBox>
#include <QListWidget>
#include <QSet>
#include <QSignalBlocker>
#include <QSqlQuery>
#include <functional>

using MainMod::MainDatabase;

namespace {

// Last, First Middle Title, a Null part as empty text; built in SQL, as the lists of every person are long.
const QString kDisplayName =
    QStringLiteral("IFNULL(Last_Name,'') || ', ' || IFNULL(First_Name,'') || ' ' || IFNULL(Middle_Name,'') || ' ' || "
                   "IFNULL(Title,'')");

// Fills lists of plain texts, each after its fixed first entry if it has one.
void fillTexts(const QList<QComboBox*>& combos, const QString& sql, const QString& column,
               const QString* firstEntry = nullptr)
{
    for (QComboBox* combo : combos) {
        combo->clear();
        if (firstEntry)
            combo->addItem(*firstEntry);
    }
    Recordset rs = MainDatabase.openRecordset(sql);
    for (; !rs.Eof(); rs.MoveNext())
        for (QComboBox* combo : combos)
            combo->addItem(rs.Text(column));
    rs.Close();
}

// Fills lists of rows of another table: the display text with the row's ID. A row without an ID (a 'Deacon'
// whose member is gone) names nothing and is left out.
void fillIds(const QList<QComboBox*>& combos, const QString& sql, const QString& idColumn,
             const std::function<QString(const Recordset&)>& text)
{
    for (QComboBox* combo : combos)
        combo->clear();
    Recordset rs = MainDatabase.openRecordset(sql);
    for (; !rs.Eof(); rs.MoveNext()) {
        const QVariant id = rs.Field(idColumn);
        if (id.isNull())
            continue;
        for (QComboBox* combo : combos)
            IdList::add(combo, text(rs), id.toLongLong());
    }
    rs.Close();
}

QString fieldText(const Recordset& rs, const char* column)
{
    return rs.Text(QString::fromLatin1(column));
}

QString lastFirst(const Recordset& rs)
{
    return fieldText(rs, "Last_Name") + QStringLiteral(", ") + fieldText(rs, "First_Name");
}

} // namespace

void frmMemberEntry::ReloadNames()
{
    FillNameLists(false);
}

void frmMemberEntry::FillNameLists(bool withRelatives)
{
    // One pass over every person: those who head no household also go to the relatives' list, in the same order.
    PickLists::LongList names;
    PickLists::LongList relatives;
    MainDatabase.forEachRow(QStringLiteral("SELECT %1, ID, Head_Of_Household FROM Member ORDER BY "
                                           "Last_Name, First_Name, Middle_Name, ID")
                                .arg(kDisplayName),
                            {}, [&](const QSqlQuery& query) {
                                const QString text = query.value(0).toString();
                                const qint64 id = query.value(1).toLongLong();
                                names.add(text, id);
                                if (withRelatives && !SqlValue::toBool(query.value(2)))
                                    relatives.add(text, id);
                            });
    names.setInto(cmbMember);
    if (withRelatives)
        relatives.setInto(cmbMemberAdd);
}

void frmMemberEntry::ReloadListValues()
{
    // The setup screens call this while a member may be shown: every list keeps what it had chosen, quietly, so
    // the next save writes the member's own values back.
    const QList<QComboBox*> lists{cmbMember,           cmbMemberStatus,   cmbTitle,         cmbState,
                                  cmbChurchStatus,     cmbSSAttend,       cmbWorshipAttend, cmbDiscAttend,
                                  cmbSundayEveAttend,  cmbWedAttend,      cmbSSClass,       cmbProspectSSClass,
                                  cmbDiscClass,        cmbWedClass,       cmbDeacon,        cmbCareGroup,
                                  cmbProspectCGAssign, cmbProspectStatus, cmbNextPhase,     cmbNextContactAction,
                                  cmbMemberAdd,        cmbRelationship,   cmbResp,          cmbContributionDesignation,
                                  cmbGender,           cmbMaritalStatus};
    // A next step the user left alone stays so, though its phase or action is no longer listed.
    const bool nextStepUntouched = NextStepShown() == m_shownNextStep;
    QList<PickLists::Choice> chosen;
    for (QComboBox* combo : lists) {
        chosen << PickLists::choice(combo);
        combo->blockSignals(true);
    }

    FillNameLists(true);
    FillStatusLists();
    FillClassLists();
    FillProspectLists();
    fillTexts({cmbRelationship}, QStringLiteral("SELECT Relationships FROM Relationships ORDER BY Relationships"),
              QStringLiteral("Relationships"));
    fillTexts({cmbResp}, QStringLiteral("SELECT Name FROM Responsibilities ORDER BY Name"), QStringLiteral("Name"));
    FillAllOrganizations();
    const QString all = QStringLiteral("***All***");
    fillTexts({cmbContributionDesignation}, QStringLiteral("SELECT Name FROM ContributionDesignation ORDER BY Name"),
              QStringLiteral("Name"), &all);
    cmbGender->clear();
    cmbGender->addItems({QStringLiteral("Male"), QStringLiteral("Female"), QStringLiteral("Unknown")});
    cmbMaritalStatus->clear();
    cmbMaritalStatus->addItems(
        {QStringLiteral("Single"), QStringLiteral("Married"), QStringLiteral("Divorced"), QStringLiteral("Widowed")});

    for (int i = 0; i < lists.size(); ++i) {
        PickLists::restore(lists[i], chosen[i]);
        lists[i]->blockSignals(false);
    }
    if (nextStepUntouched)
        m_shownNextStep = NextStepShown();
}

void frmMemberEntry::FillStatusLists()
{
    const QString blank = QStringLiteral(" ");
    // Member statuses keep the order in which they were entered.
    fillTexts({cmbMemberStatus}, QStringLiteral("SELECT Status FROM MemberStatus ORDER BY rowid"),
              QStringLiteral("Status"));
    fillTexts({cmbTitle}, QStringLiteral("SELECT Title FROM Titles ORDER BY Title"), QStringLiteral("Title"), &blank);
    fillTexts({cmbState}, QStringLiteral("SELECT State FROM State ORDER BY State"), QStringLiteral("State"), &blank);
    fillTexts({cmbChurchStatus}, QStringLiteral("SELECT Status FROM ChurchStatus ORDER BY Status"),
              QStringLiteral("Status"));
    fillTexts({cmbSSAttend, cmbWorshipAttend, cmbDiscAttend, cmbSundayEveAttend, cmbWedAttend},
              QStringLiteral("SELECT Levels FROM AttendanceLevels ORDER BY Levels"), QStringLiteral("Levels"));
}

void frmMemberEntry::FillProspectLists()
{
    const QString empty = QStringLiteral("");
    fillTexts({cmbProspectStatus}, QStringLiteral("SELECT Status FROM ProspectStatus ORDER BY Status"),
              QStringLiteral("Status"));
    FillPhases();
    fillTexts({cmbNextContactAction}, QStringLiteral("SELECT Action FROM Prospect_Action ORDER BY Action"),
              QStringLiteral("Action"), &empty);
}

void frmMemberEntry::FillPhases()
{
    const QString empty = QStringLiteral("");
    fillTexts({cmbNextPhase}, QStringLiteral("SELECT Phase FROM Outreach_Phase ORDER BY PhaseOrder"),
              QStringLiteral("Phase"), &empty);
}

void frmMemberEntry::ReloadPhases(const OutreachPlanLink::Renames& renames)
{
    // Chosen by the name the phase has now, so the next save writes the name its prospects were moved to.
    const bool chosen = cmbNextPhase->currentIndex() >= 0;
    const QString phase = OutreachPlanLink::renamed(renames, cmbNextPhase->currentText());
    const bool nextStepUntouched = NextStepShown() == m_shownNextStep;
    const QSignalBlocker quiet(cmbNextPhase);
    FillPhases();
    if (chosen)
        PickLists::selectText(cmbNextPhase, phase);
    else
        cmbNextPhase->setCurrentIndex(-1);
    if (nextStepUntouched)
        m_shownNextStep = NextStepShown();
}

void frmMemberEntry::FillClassLists()
{
    const auto name = [](const Recordset& rs) { return fieldText(rs, "Name"); };
    fillIds({cmbSSClass, cmbProspectSSClass}, QStringLiteral("SELECT Name, ID FROM Sunday_School ORDER BY Name"),
            QStringLiteral("ID"), name);
    fillIds({cmbDiscClass}, QStringLiteral("SELECT Name, ID FROM Discipleship_Training ORDER BY Name"),
            QStringLiteral("ID"), name);
    fillIds({cmbWedClass}, QStringLiteral("SELECT Name, ID FROM Wednesday_Night ORDER BY Name"), QStringLiteral("ID"),
            name);
    // Every 'Deacon' row lists its member, whatever its dates; a deacon twice is listed twice.
    fillIds({cmbDeacon},
            QStringLiteral("SELECT Last_Name, First_Name, Member.ID AS ID FROM Member_Responsibility LEFT JOIN Member "
                           "ON Member_Responsibility.Member_ID = Member.ID WHERE Responsibility = 'Deacon' "
                           "ORDER BY Last_Name, First_Name"),
            QStringLiteral("ID"), lastFirst);
    // A care group goes by its leader's name and carries its own ID.
    fillIds({cmbCareGroup, cmbProspectCGAssign},
            QStringLiteral("SELECT Last_Name, First_Name, Care_Group.ID AS ID FROM Care_Group LEFT JOIN Member ON "
                           "Care_Group.Group_Leader = Member.ID ORDER BY Last_Name, First_Name"),
            QStringLiteral("ID"), lastFirst);
}

void frmMemberEntry::FillAllOrganizations()
{
    // What the member holds stays on the right and is not offered again on the left.
    QSet<QString> held;
    for (int i = 0; i < lstMemberOrganizations->count(); ++i)
        held.insert(lstMemberOrganizations->item(i)->text().toCaseFolded());
    lstAllOrganizations->clear();
    Recordset rs = MainDatabase.openRecordset(QStringLiteral("SELECT Name FROM Church_Organizations ORDER BY Name"));
    for (; !rs.Eof(); rs.MoveNext()) {
        const QString name = rs.Text(QStringLiteral("Name"));
        if (!held.contains(name.toCaseFolded()))
            lstAllOrganizations->addItem(name);
    }
    rs.Close();
}
