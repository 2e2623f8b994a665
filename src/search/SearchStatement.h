#pragma once

#include "platform/Database.h"

#include <QString>
#include <QStringList>

class QComboBox;

// A navigator's search: a base text, then each active criterion joined in the screen's fixed order, the first
// after " WHERE " and every further one after " AND ". Values are bound, never written into the text.
class SearchStatement {
public:
    explicit SearchStatement(QString base) : m_sql(std::move(base)) {}

    void add(const QString& fragment, const SqlParams& params = {});
    // "(a LIKE ? OR b LIKE ? ...)": the typed text found anywhere in any of the columns, letter for letter.
    void addAnywhere(const QStringList& columns, const QString& typed);
    // "fragment" with the chosen entry's text bound, when the pick list has a choice.
    void addChosenText(const QComboBox* combo, const QString& fragment);
    // "column = ?" with the chosen entry's row ID bound, when the pick list has a choice.
    void addChosenId(const QComboBox* combo, const QString& column);
    // A birth date or an anniversary in the month chosen in a list of the twelve months, January first.
    void addMonth(const QComboBox* months);

    // The statement with its ORDER BY text.
    QString sql(const QString& orderBy) const { return m_sql + orderBy; }
    const SqlParams& params() const { return m_params; }
    bool hasCriteria() const { return !m_first; }

    // The pattern that finds the typed text anywhere in a column, letter for letter: used as
    // "column LIKE ? ESCAPE '\'", so %, _ and the escape character match only themselves.
    static QString anywhere(const QString& typed);

private:
    QString m_sql;
    SqlParams m_params;
    bool m_first = true;
};
