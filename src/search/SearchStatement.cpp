#include "SearchStatement.h"

void SearchStatement::add(const QString& fragment, const SqlParams& params)
{
    m_sql += m_first ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ");
    m_first = false;
    m_sql += fragment;
    m_params += params;
}

QString SearchStatement::anywhere(const QString& typed)
{
    QString escaped;
    escaped.reserve(typed.size() + 4);
    for (QChar ch : typed) {
        if (ch == QLatin1Char('\\') || ch == QLatin1Char('%') || ch == QLatin1Char('_'))
            escaped += QLatin1Char('\\');
        escaped += ch;
    }
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}
