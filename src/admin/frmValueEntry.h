#pragma once

#include "shell/Screen.h"

#include <QStringList>
#include <array>

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// The eight value lists other screens pick from. Five of them can lose a value; their delete first clears or
// removes every reference to it, all in one transaction.
class frmValueEntry : public Screen {
    Q_OBJECT
public:
    explicit frmValueEntry(QWidget* parent = nullptr);

    void Form_Load() override;

    void btnAddAttendanceLevel_Click();
    void btnDeleteAttendanceLevel_Click();
    void btnAddProspectAction_Click();
    void btnDeleteProspectAction_Click();
    void btnAddRelationship_Click();
    void btnDeleteRelationship_Click();
    void btnAddProspectContactRating_Click();
    void btnDeleteProspectContactRating_Click();
    void btnAddTitle_Click();
    void btnDeleteTitle_Click();
    void btnAddPermission_Click();
    void btnAddOrganization_Click();
    void btnAddDesignation_Click();

    void lstAttendanceLevel_Click();
    void lstProspectAction_Click();
    void lstRelationship_Click();
    void lstProspectContactRating_Click();
    void lstTitle_Click();

    QListWidget* lstAttendanceLevel;
    QLineEdit* txtAttendanceLevel;
    QPushButton* btnAddAttendanceLevel;
    QPushButton* btnDeleteAttendanceLevel;

    QListWidget* lstProspectAction;
    QLineEdit* txtProspectAction;
    QPushButton* btnAddProspectAction;
    QPushButton* btnDeleteProspectAction;

    QListWidget* lstRelationship;
    QLineEdit* txtRelationship;
    QPushButton* btnAddRelationship;
    QPushButton* btnDeleteRelationship;

    QListWidget* lstProspectContactRating;
    QLineEdit* txtProspectContactRating;
    QPushButton* btnAddProspectContactRating;
    QPushButton* btnDeleteProspectContactRating;

    QListWidget* lstTitle;
    QLineEdit* txtTitle;
    QPushButton* btnAddTitle;
    QPushButton* btnDeleteTitle;

    QListWidget* lstPermission;
    QLineEdit* txtPermission;
    QPushButton* btnAddPermission;

    QListWidget* lstOrganization;
    QLineEdit* txtOrganization;
    QPushButton* btnAddOrganization;

    QListWidget* lstDesignation;
    QLineEdit* txtDesignation;
    QPushButton* btnAddDesignation;

private:
    enum PanelIndex {
        AttendanceLevel, ProspectAction, Relationship, ProspectContactRating, Title, Permission, Organization,
        Designation, PanelCount
    };
    // One list with its box, its table and what adding and deleting a value does.
    struct Panel {
        QListWidget* list = nullptr;
        QLineEdit* text = nullptr;
        QString table;
        QString column;
        QString emptyMessage;
        QString question;   // empty: the list has no delete
        QStringList cascade; // each binds the value once; the last removes the value itself
    };

    void LoadAttendanceLevelList();
    void LoadProspectActionList();
    void LoadRelationshipList();
    void LoadProspectContactRatingList();
    void LoadTitleList();
    void LoadPermissionList();
    void LoadOrganizationList();
    void LoadDesignationList();

    QGroupBox* makePanel(PanelIndex index, const QString& caption, const char* list, const char* text,
                         const char* add, const char* remove, QPushButton** addButton, QPushButton** deleteButton);
    void loadList(PanelIndex index);
    void addValue(PanelIndex index);
    void deleteValue(PanelIndex index);
    void chooseValue(PanelIndex index);

    std::array<Panel, PanelCount> m_panels;
};
