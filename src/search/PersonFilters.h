#pragma once

class QComboBox;
class QLineEdit;
class SearchStatement;

// The person criteria both attendance screens offer: a name, the member status, the church status and the
// three classes. The screens place the controls; this fills, applies and clears them the same way.
struct PersonFilters {
    QLineEdit* txtName = nullptr;
    QComboBox* cmbStatus = nullptr;
    QComboBox* cmbChurchStatus = nullptr;
    QComboBox* cmbSSClass = nullptr;
    QComboBox* cmbDiscClass = nullptr;
    QComboBox* cmbWedClass = nullptr;

    // Refills the five lists from the database, each without a selection; the name is left as it is.
    void load() const;
    // The criteria that are filled, in their fixed order: name, member status, church status, the classes.
    void addTo(SearchStatement& search) const;
    // Empties the name and takes the choice from the five lists.
    void clear() const;
    // The shared type-ahead on the five lists.
    void installTypeAhead() const;
};
