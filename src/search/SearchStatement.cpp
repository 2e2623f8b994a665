#include "SearchStatement.h"

#include "core/MainMod.h"
#include "platform/IdList.h"

#include <QComboBox>
#include <QSqlQuery>

void SearchStatement::add(const QString& fragment, const SqlParams& params)
{
    m_sql += m_first ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ");
    m_first = false;
    m_sql += fragment;
    m_params += params;
}

void SearchStatement::addAnywhere(const QStringList& columns, const QString& typed)
{
    QStringList tests;
    SqlParams params;
    // Both sides folded: letter case is ignored in every alphabet, not only from A to Z.
    const QString pattern = anywhere(typed.toCaseFolded());
    for (const QString& column : columns) {
        tests << QStringLiteral("%1(%2) LIKE ? ESCAPE '\\'").arg(QLatin1String(Database::kFoldFunction), column);
        params << pattern;
    }
    add(QLatin1Char('(') + tests.join(QStringLiteral(" OR ")) + QLatin1Char(')'), params);
}

void SearchStatement::addChosenText(const QComboBox* combo, const QString& fragment)
{
    if (combo->currentIndex() >= 0)
        add(fragment, {combo->currentText()});
}

void SearchStatement::addChosenId(const QComboBox* combo, const QString& column)
{
    if (combo->currentIndex() >= 0)
        add(column + QStringLiteral(" = ?"), {IdList::currentId(combo)});
}

void SearchStatement::addMonth(const QComboBox* months)
{
    if (months->currentIndex() < 0)
        return;
    const int month = months->currentIndex() + 1;
    add(QStringLiteral("(CAST(strftime('%m', Date_Of_Birth) AS INTEGER) = ? OR "
                       "CAST(strftime('%m', Anniversary_Date) AS INTEGER) = ?)"),
        {month, month});
}

void SearchStatement::forEachRow(const QString& orderBy, const std::function<void(const QSqlQuery&)>& row) const
{
    MainMod::MainDatabase.forEachRow(sql(orderBy), m_params, row);
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

QString SearchStatement::gridName()
{
    return QStringLiteral("IFNULL(Member.Last_Name,'') || ', ' || IFNULL(Member.First_Name,'') || ' ' || "
                          "IFNULL(Member.Middle_Name,'') || ' ' || IFNULL(Member.Title,'')");
}
