#pragma once

#include "platform/Database.h"

#include <QString>
#include <QStringList>
#include <functional>

class QComboBox;
class QSqlQuery;

// A navigator's search: a base text, then each active criterion joined in the screen's fixed order, the first
// after " WHERE " and every further one after " AND ". Values are bound, never written into the text.
class SearchStatement {
public:
    // The base's own values (a week it joins on, say) come before those of the criteria.
    explicit SearchStatement(QString base, SqlParams baseParams = {})
        : m_sql(std::move(base)), m_params(std::move(baseParams))
    {
    }

    void add(const QString& fragment, const SqlParams& params = {});
    // The typed text anywhere in any of the columns, letter case ignored.
    void addAnywhere(const QStringList& columns, const QString& typed);
    // "fragment" with the list's text bound, when the list has a choice.
    void addChosenText(const QComboBox* combo, const QString& fragment);
    // "column = ?" with the chosen entry's row ID, when the list has a choice.
    void addChosenId(const QComboBox* combo, const QString& column);
    // A birth date or an anniversary in the month chosen in a list of the twelve months, January first.
    void addMonth(const QComboBox* months);

    // The statement with its ORDER BY text.
    QString sql(const QString& orderBy) const { return m_sql + orderBy; }
    const SqlParams& params() const { return m_params; }
    bool hasCriteria() const { return !m_first; }
    // Runs the statement with its ORDER BY text and hands each row to the caller; a failure raises DbError.
    void forEachRow(const QString& orderBy, const std::function<void(const QSqlQuery&)>& row) const;

    // The pattern that finds the typed text anywhere in a column, letter for letter: used as
    // "column LIKE ? ESCAPE '\'", so %, _ and the escape character match only themselves.
    static QString anywhere(const QString& typed);
    // A person's name as the grids show it: last name, ", ", first, middle and title, each joined by a blank; an
    // empty part adds nothing and the separators stay.
    static QString gridName();

private:
    QString m_sql;
    SqlParams m_params;
    bool m_first = true;
};
