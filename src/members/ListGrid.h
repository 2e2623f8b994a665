#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>
#include <QTableView>
#include <QVariant>

// The rows of a list grid: captions and one list of values per row. Cells show dates as M/d/yyyy, stamps with
// their time, and Null as empty text; the value itself stays readable (Qt::UserRole), so a picked row hands on
// dates and IDs, never their display text.
class ListGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void reset(const QStringList& captions, QList<QVariantList> rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const QVariantList& row(int row) const { return m_rows.at(row); }

private:
    QStringList m_captions;
    QList<QVariantList> m_rows;
};

// A read-only grid of records under a header row, filled whole in one go. Empty, it has no header either.
class ListGrid : public QTableView {
    Q_OBJECT
public:
    explicit ListGrid(QWidget* parent = nullptr);

    // No rows and no header.
    void clear();
    // The header, then one row per record in the order given; every cell centred, columns fitted to their text
    // but none wider than the grid.
    void fill(const QStringList& captions, QList<QVariantList> rows);

    bool hasHeader() const;
    QStringList captions() const;
    int rows() const;
    QVariant value(int row, int column) const;
    QString text(int row, int column) const;
    // The row picked, or -1.
    int currentRow() const;
    // Picks a row as a click would.
    void pickRow(int row);

    // The text a value shows in a cell.
    static QString cellText(const QVariant& value);

signals:
    // Another data row was picked.
    void rowPicked(int row);
    // A data row (or, with -1, the header) was double-clicked.
    void rowDoubleClicked(int row);

private:
    ListGridModel* m_model;
};
