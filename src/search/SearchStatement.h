#pragma once

#include "platform/Database.h"

#include <QString>

// A navigator's search: a base text, then each active criterion joined in the screen's fixed order, the first
// after " WHERE " and every further one after " AND ". Values are bound, never written into the text.
class SearchStatement {
public:
    explicit SearchStatement(QString base) : m_sql(std::move(base)) {}

    void add(const QString& fragment, const SqlParams& params = {});
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
