#pragma once

#include <QObject>

class QComboBox;

// Tells when the user picks, from a pick list, the entry that is already chosen. The list's change of index
// says nothing then, yet the user asked for that entry (to show a record again, say). Entries set by code, and
// picks of another entry, are left to the change of index.
class PickAgain : public QObject {
    Q_OBJECT
public:
    // Watches a list for as long as it lives.
    static PickAgain* watch(QComboBox* combo);

signals:
    void picked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit PickAgain(QComboBox* combo);

    QComboBox* m_combo;
    int m_before = -1; // the entry chosen when the user began to pick
};
