#include "Layout.h"

#include "FieldFormat.h"
#include "TextMeasure.h"

#include "core/Format.h"

#include <QHash>
#include <QMap>
#include <QSet>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace ReportEngine {

namespace {

struct Totals {
    QHash<int, qint64> sums; // by column
    qint64 count = 0;
};

// An element ready to show: its column and font looked up once.
struct Compiled {
    const Element* element;
    int column = -1;
    int font = 0;
};

struct Item {
    Run run;
    Shape shape;
    bool isShape = false;
    bool pageNumber = false;
};

// One band made for one row: its items at offsets from the band's top.
struct Block {
    QVector<Item> items;
    double height = 0;
};

// Where the page being filled stood before a band was placed, so that what follows can be taken to the next page.
struct Mark {
    int page = -1;
    int runs = 0;
    int shapes = 0;
    double y = 0;
    qint64 seq = 0; // bands placed before it
    int shown = 0;  // the group headers above it, and the first rows of their groups
    QVector<int> groupRows;
};

// The last two rows of a scope, older first: what a closing block takes along when it does not fit.
struct LastRows {
    Mark marks[2];
    int count = 0;
    void add(const Mark& mark)
    {
        if (count == 2)
            marks[0] = marks[1];
        marks[std::min(count, 1)] = mark;
        count = std::min(count + 1, 2);
    }
};

// A block waiting for what follows it: a heading, or a row kept with its subreport.
struct Held {
    Block block;
    int opens = -1; // the group whose header it is
    bool row = false;
    int childOf = -1; // the main row whose subreport row it is
};

// What a band is made for.
struct Context {
    Context(const Rows* r, int i, const Totals* totals = nullptr, const QString& k = {})
        : rows(r), row(i), keyTotals(totals), key(k)
    {
    }
    const Rows* rows;
    int row;
    const Totals* keyTotals;
    QString key;
    bool continuation = false;
};

// What a reader checks or dials is never cut short: numbers, money, dates, phones, totals and counts.
bool isFigure(const Element& e)
{
    switch (e.kind) {
    case Kind::Sum:
    case Kind::Count:
    case Kind::PrintDate:
        return true;
    case Kind::Field:
        return e.format != Format::Text;
    default:
        return false;
    }
}

bool sameKey(const QVariant& a, const QVariant& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    return a.toString().compare(b.toString(), Qt::CaseInsensitive) == 0;
}

class Layouter {
public:
    Layouter(const Definition& definition, const Rows& rows, const Rows& subrows)
        : d(definition), m_rows(rows), m_subrows(subrows)
    {
        m_doc.title = d.title;
        m_doc.landscape = d.landscape;
        m_doc.pageSize = d.pageSize();
    }

    Document run()
    {
        if (d.labels)
            layOutLabels(*d.labels);
        else
            layOutBands();
        // Pages are counted over the report, or within each group that numbers its own.
        QVector<int> owners = m_pageOwners;
        owners.resize(m_doc.pages.size());
        QHash<int, int> pagesOf;
        QVector<int> number(owners.size());
        for (int p = 0; p < owners.size(); ++p)
            number[p] = ++pagesOf[owners.at(p)];
        for (const auto& [page, run] : std::as_const(m_pageNumbers))
            m_doc.pages[page].runs[run].text =
                QStringLiteral("Page %1 of %2").arg(number.at(page)).arg(pagesOf.value(owners.at(page)));
        return std::move(m_doc);
    }

private:
    // ---- definitions ----

    int fontIndex(const Font& font)
    {
        const int at = m_doc.fonts.indexOf(font);
        if (at >= 0)
            return at;
        m_doc.fonts.append(font);
        return m_doc.fonts.size() - 1;
    }

    static int columnOf(const Rows& rows, const QString& name)
    {
        const int column = rows.column(name);
        if (column < 0)
            throw std::invalid_argument(
                QStringLiteral("The report field %1 is not among the columns of its query.").arg(name).toStdString());
        return column;
    }

    void compile(const Band& band, const Rows& source)
    {
        QVector<Compiled> items;
        for (const Element& e : band.elements) {
            Compiled c{&e};
            c.font = fontIndex(e.font);
            if (e.kind == Kind::Field)
                c.column = columnOf(source, e.text);
            if (e.kind == Kind::Sum) {
                c.column = columnOf(m_rows, e.text);
                bool known = false;
                for (const auto& [column, format] : std::as_const(m_sumColumns))
                    known = known || column == c.column;
                if (!known)
                    m_sumColumns.append({c.column, e.format});
            }
            items.append(c);
        }
        // Top to bottom, so what stands under a growing element can move down with it.
        std::stable_sort(items.begin(), items.end(), [](const Compiled& a, const Compiled& b) {
            return a.element->rect.top() < b.element->rect.top();
        });
        m_compiled.insert(&band, items);
    }

    void compileAll()
    {
        for (const Band* band : {&d.reportHeader, &d.pageHeader, &d.detail, &d.pageFooter, &d.reportFooter})
            compile(*band, m_rows);
        for (const Group& group : d.groups) {
            columnOf(m_rows, group.column);
            compile(group.header, m_rows);
            compile(group.continuedHeader, m_rows);
            compile(group.footer, m_rows);
        }
        if (d.subreport) {
            const Subreport& sub = *d.subreport;
            compile(sub.header, m_rows);
            compile(sub.detail, m_subrows);
            compile(sub.empty, m_rows);
            compile(sub.continuedHeader, m_rows);
            const int childColumn = columnOf(m_subrows, sub.childColumn);
            m_parentColumn = columnOf(m_rows, sub.parentColumn);
            for (int i = 0; i < m_subrows.size(); ++i)
                m_children[m_subrows.values.at(i).at(childColumn).toString()].append(i);
        }
        if (d.summary) {
            m_keyColumn = columnOf(m_rows, d.summary->keyColumn);
            compile(d.summary->header, m_rows);
            compile(d.summary->line, m_rows);
        }
    }

    // ---- bands ----

    const Totals& totalsFor(int scope, const Context& context) const
    {
        if (scope == kKeyScope && context.keyTotals)
            return *context.keyTotals;
        if (scope >= 0 && scope < m_groupTotals.size())
            return m_groupTotals.at(scope);
        return m_reportTotals;
    }

    QString textOf(const Compiled& c, const Context& context)
    {
        const Element& e = *c.element;
        switch (e.kind) {
        case Kind::Label:
            return e.text;
        case Kind::Field:
            if (!context.rows || context.row < 0)
                return {};
            return formatValue(context.rows->values.at(context.row).at(c.column), e.format);
        case Kind::Text:
            return d.texts.value(e.text);
        case Kind::PrintDate:
            return ::Format::dateText(d.printDate);
        case Kind::Sum:
            return formatSum(totalsFor(e.scope, context).sums.value(c.column), e.format);
        case Kind::Count:
            return QString::number(totalsFor(e.scope, context).count);
        case Kind::SummaryKey:
            return context.key;
        case Kind::PageNofM:
        case Kind::Rule:
        case Kind::Box:
            break;
        }
        return {};
    }

    Block make(const Band& band, const Context& context)
    {
        Block block;
        double extra = 0;
        const double left = d.margins.left();
        QVector<QPair<double, double>> grown; // design bottom and growth of the growing elements so far
        for (const Compiled& c : m_compiled.value(&band)) {
            const Element& e = *c.element;
            if (e.continuationOnly && !context.continuation)
                continue;
            double shift = 0;
            for (const auto& [bottom, growth] : std::as_const(grown))
                if (bottom <= e.rect.top() + 0.001)
                    shift = std::max(shift, growth);
            const QRectF rect = e.rect.translated(left, shift);
            if (e.kind == Kind::Rule || e.kind == Kind::Box) {
                Item item;
                item.isShape = true;
                item.shape = {e.kind == Kind::Rule ? QRectF(rect.topLeft(), QSizeF(rect.width(), 0)) : rect,
                              e.kind == Kind::Box};
                block.items.append(item);
                continue;
            }
            const Font& font = m_doc.fonts.at(c.font);
            if (e.kind == Kind::PageNofM) {
                Item item;
                item.run = {rect, QString(), c.font, e.align};
                item.pageNumber = true;
                block.items.append(item);
                continue;
            }
            QString text = textOf(c, context);
            if (!e.grows) {
                if (text.isEmpty())
                    continue;
                if (text.contains(QLatin1Char('\n'))) {
                    text.remove(QLatin1Char('\r'));
                    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
                }
                Item item;
                Font smaller = font;
                if (m_measure.fits(font, text, rect.width()))
                    item.run = {rect, text, c.font, e.align};
                else if (isFigure(e))
                    item.run = whole(rect, text, c.font, e.align);
                // Text too wide for its box is set smaller, down to the smallest type still read with ease; what even
                // that cannot hold on one line wraps below, and the band grows.
                else if (shrinkToFit(smaller, text, rect.width(), kLegibleSize))
                    item.run = {rect, text, fontIndex(smaller), e.align};
                if (!item.run.text.isEmpty()) {
                    block.items.append(item);
                    continue;
                }
            }
            const QStringList lines = m_measure.wrap(font, text, rect.width());
            const double lineHeight = m_measure.lineHeight(font);
            // The first line stands where a single line of the same box would.
            const double offset = std::max(0.0, (rect.height() - lineHeight) / 2);
            for (int i = 0; i < lines.size(); ++i) {
                Item item;
                item.run = {QRectF(rect.left(), rect.top() + offset + i * lineHeight, rect.width(), lineHeight),
                            lines.at(i), c.font, e.align};
                block.items.append(item);
            }
            const double growth = std::max(0.0, offset + lines.size() * lineHeight - rect.height());
            grown.append({e.rect.bottom(), shift + growth});
            extra = std::max(extra, shift + growth);
        }
        block.height = band.height + extra;
        return block;
    }

    // Sets the font smaller by half points, down to the smallest size, until it holds the text on one line of the
    // width; false when even the smallest does not, the font then being the smallest tried.
    bool shrinkToFit(Font& font, const QString& text, double width, double smallest)
    {
        while (!m_measure.fits(font, text, width)) {
            if (font.size - 0.5 < smallest - 0.001)
                return false;
            font.size -= 0.5;
        }
        return true;
    }

    // A figure too wide for its box is set in smaller type, down to three quarters of its size; one still too
    // wide takes the room it needs beside its box, within the page.
    Run whole(const QRectF& rect, const QString& text, int fontAt, Align align)
    {
        Font font = m_doc.fonts.at(fontAt);
        if (shrinkToFit(font, text, rect.width(), font.size * 0.75))
            return {rect, text, fontIndex(font), align};
        const double need = std::ceil(m_measure.width(font, text) * 10) / 10;
        double left = align == Align::Right    ? rect.right() - need
                      : align == Align::Center ? rect.center().x() - need / 2
                                               : rect.left();
        const double pageWidth = d.pageSize().width();
        double low = d.margins.left();
        double high = pageWidth - d.margins.right() - need;
        if (high < low) {
            low = 0;
            high = std::max(0.0, pageWidth - need);
        }
        left = std::clamp(left, low, high);
        return {QRectF(left, rect.top(), need, rect.height()), text, fontIndex(font), align};
    }

    // ---- pages ----

    void put(const Block& block, double top)
    {
        Page& page = m_doc.pages.last();
        for (const Item& item : block.items) {
            if (item.isShape) {
                Shape shape = item.shape;
                shape.rect.translate(0, top);
                page.shapes.append(shape);
                continue;
            }
            Run run = item.run;
            run.rect.translate(0, top);
            page.runs.append(run);
            if (item.pageNumber)
                m_pageNumbers.append({m_doc.pages.size() - 1, page.runs.size() - 1});
        }
    }

    void startPage()
    {
        m_doc.pages.append(Page());
        m_pageOwners.append(m_owner);
        const double height = d.pageSize().height();
        m_bottom = height - d.margins.bottom() - d.pageFooter.height;
        m_y = d.margins.top();
        if (m_doc.pages.size() == 1)
            stack(make(d.reportHeader, {&m_rows, m_rows.size() > 0 ? 0 : -1}));
        stack(make(d.pageHeader, {&m_rows, m_lastRow}));
        // The groups this page continues show their headers again.
        for (int g = 0; g < m_headersShown; ++g) {
            if (!d.groups.at(g).repeatHeader)
                continue;
            Context context{&m_rows, m_groupRows.at(g)};
            context.continuation = true;
            const Group& group = d.groups.at(g);
            stack(make(group.continuedHeader.elements.isEmpty() ? group.header : group.continuedHeader, context));
        }
        // So does the main row whose subreport rows go on here.
        if (m_childrenOf >= 0) {
            Context context{&m_rows, m_childrenOf};
            context.continuation = true;
            stack(make(d.subreport->continuedHeader, context));
        }
        m_bodyTop = m_y;
    }

    void finishPage()
    {
        const Block footer = make(d.pageFooter, {&m_rows, m_lastRow});
        put(footer, d.pageSize().height() - d.margins.bottom() - d.pageFooter.height);
    }

    void newPage()
    {
        finishPage();
        startPage();
    }

    // Puts a block where the last one ended.
    void stack(const Block& block)
    {
        put(block, m_y);
        m_y += block.height;
    }

    // Places a band where the last one ended. A band that does not fit goes to the next page; one taller than
    // a page is split between its lines.
    void place(Block block)
    {
        ++m_seq;
        if (m_y + block.height <= m_bottom + 0.001) {
            stack(block);
            return;
        }
        if (m_y > m_bodyTop && block.height <= m_bottom - m_bodyTop) {
            newPage();
            if (m_y + block.height <= m_bottom + 0.001) {
                stack(block);
                return;
            }
        }
        while (m_y + block.height > m_bottom + 0.001) {
            const double room = m_bottom - m_y;
            Block now;
            Block later;
            double cut = block.height;
            for (const Item& item : std::as_const(block.items)) {
                const QRectF r = item.isShape ? item.shape.rect : item.run.rect;
                if (r.bottom() <= room + 0.001) {
                    now.items.append(item);
                } else {
                    later.items.append(item);
                    cut = std::min(cut, r.top());
                }
            }
            if (now.items.isEmpty() && m_y > m_bodyTop) {
                newPage();
                continue;
            }
            if (now.items.isEmpty()) {
                // Not even one line fits on an empty page: place the first item anyway.
                now.items.append(later.items.takeFirst());
                const Item& first = now.items.first();
                cut = (first.isShape ? first.shape.rect : first.run.rect).bottom();
            }
            put(now, m_y);
            for (Item& item : later.items) {
                if (item.isShape)
                    item.shape.rect.translate(0, -cut);
                else
                    item.run.rect.translate(0, -cut);
            }
            later.height = std::max(0.0, block.height - cut);
            block = later;
            newPage();
        }
        stack(block);
    }

    // ---- keeping bands together ----

    Mark mark() const
    {
        const Page& page = m_doc.pages.last();
        return {int(m_doc.pages.size()) - 1,
                int(page.runs.size()),
                int(page.shapes.size()),
                m_y,
                m_seq,
                m_headersShown,
                m_groupRows};
    }

    bool fits(double height) const { return m_y + height <= m_bottom + 0.001; }

    // The height a block needs on a page before it may start there: all of it, or its first line when it is taller
    // than a page and breaks anyway.
    double firstPiece(const Block& block) const
    {
        if (block.height <= m_bottom - m_bodyTop)
            return block.height;
        double first = block.height;
        for (const Item& item : block.items)
            first = std::min(first, (item.isShape ? item.shape.rect : item.run.rect).bottom());
        return first;
    }

    // Makes a band and places it; a heading waits for what follows it.
    void lay(const Band& band, const Context& context, int opens = -1, bool row = false, int childOf = -1)
    {
        Held held{make(band, context), opens, row, childOf};
        if (band.keepWithNext) {
            m_held.append(std::move(held));
            return;
        }
        release(&held);
    }

    // Places the waiting headings with the block that follows them (none at the report's end): on the next page
    // when that block's first row does not fit under them.
    void release(const Held* last)
    {
        if (m_held.isEmpty() && !last)
            return;
        if (!m_held.isEmpty()) {
            double need = last ? firstPiece(last->block) : 0;
            for (const Held& held : std::as_const(m_held))
                need += held.block.height;
            if (!fits(need) && m_y > m_bodyTop)
                newPage();
        }
        const Mark start = mark();
        const QVector<Held> chain = std::exchange(m_held, {});
        for (const Held& held : chain)
            settle(held, start);
        if (last)
            settle(*last, start);
    }

    void settle(const Held& held, const Mark& start)
    {
        m_childrenOf = held.childOf;
        place(held.block);
        if (held.opens >= 0)
            m_headersShown = held.opens + 1;
        // A row is taken along from where its headings begin.
        if (held.row)
            for (int scope = 0; scope <= m_openGroups; ++scope)
                m_lastRows[scope].add(start);
    }

    // Places a closing block. When it does not fit, the last two rows of its scope go to the next page with it, if
    // they leave something above them.
    void close(const Band& band, const Context& context, int scope)
    {
        release(nullptr);
        const Block block = make(band, context);
        if (band.keepTogether && !fits(block.height) && block.height <= m_bottom - m_bodyTop) {
            // A group of one row takes the row before it along too.
            const LastRows& own = m_lastRows.at(scope);
            QVarLengthArray<const Mark*, 3> candidates;
            if (own.count < 2 && m_lastRows.at(0).count == 2)
                candidates.append(&m_lastRows.at(0).marks[0]);
            for (int i = 0; i < own.count; ++i)
                candidates.append(&own.marks[i]);
            for (const Mark* at : candidates)
                if (at->page == m_doc.pages.size() - 1 && at->y > m_bodyTop + 0.001) {
                    carryOver(*at);
                    break;
                }
        }
        place(block);
    }

    // Moves everything placed on this page since a mark to the top of the next page. It takes the mark by value:
    // the marks it moves along may be that one.
    void carryOver(const Mark at)
    {
        const int from = m_doc.pages.size() - 1;
        Page& page = m_doc.pages.last();
        Block moved;
        moved.height = m_y - at.y;
        QSet<int> numbers;
        while (!m_pageNumbers.isEmpty() && m_pageNumbers.last().first == from && m_pageNumbers.last().second >= at.runs)
            numbers.insert(m_pageNumbers.takeLast().second);
        for (int i = at.runs; i < page.runs.size(); ++i) {
            Item item;
            item.run = page.runs.at(i);
            item.run.rect.translate(0, -at.y);
            item.pageNumber = numbers.contains(i);
            moved.items.append(item);
        }
        for (int i = at.shapes; i < page.shapes.size(); ++i) {
            Item item;
            item.isShape = true;
            item.shape = page.shapes.at(i);
            item.shape.rect.translate(0, -at.y);
            moved.items.append(item);
        }
        page.runs.resize(at.runs);
        page.shapes.resize(at.shapes);
        // The new page repeats the headers that stood above the first row that moves, groups closed since included.
        const int shown = std::exchange(m_headersShown, at.shown);
        const QVector<int> groupRows = std::exchange(m_groupRows, at.groupRows);
        newPage();
        m_headersShown = shown;
        m_groupRows = groupRows;
        const Mark to = mark();
        stack(moved);
        // The rows that moved are found on their new page.
        for (LastRows& rows : m_lastRows)
            for (int i = 0; i < rows.count; ++i) {
                Mark& m = rows.marks[i];
                if (m.page != from || m.seq < at.seq)
                    continue;
                m.page = to.page;
                m.runs += to.runs - at.runs;
                m.shapes += to.shapes - at.shapes;
                m.y += to.y - at.y;
            }
    }

    // ---- rows ----

    void add(Totals& totals, const QVector<QVariant>& row) const
    {
        ++totals.count;
        for (const auto& [column, format] : m_sumColumns)
            totals.sums[column] += sumUnits(row.at(column), format);
    }

    void openGroup(int g, int row)
    {
        const Group& group = d.groups.at(g);
        if (group.newPage) {
            release(nullptr);
            if (m_y > m_bodyTop)
                newPage();
        }
        m_groupRows[g] = row;
        m_groupTotals[g] = Totals();
        m_lastRows[g + 1] = LastRows();
        if (group.ownPageNumbers)
            m_pageOwners.last() = ++m_owner;
        m_openGroups = g + 1;
        lay(group.header, {&m_rows, row}, g);
    }

    void closeGroup(int g)
    {
        close(d.groups.at(g).footer, {&m_rows, m_lastRow}, g + 1);
        m_openGroups = g;
        m_headersShown = std::min(m_headersShown, g);
    }

    void placeChildren(int row)
    {
        const Subreport& sub = *d.subreport;
        const QVector<int> children = m_children.value(m_rows.values.at(row).at(m_parentColumn).toString());
        if (children.isEmpty()) {
            lay(sub.empty, {&m_rows, row});
            return;
        }
        lay(sub.header, {&m_rows, row});
        for (int child : children)
            lay(sub.detail, {&m_subrows, child}, -1, false, row);
        // Children kept with what follows them stay with their parent, up to the last one.
        release(nullptr);
        m_childrenOf = -1;
    }

    void layOutBands()
    {
        compileAll();
        const int groups = d.groups.size();
        m_groupRows.fill(-1, groups);
        m_groupTotals.resize(groups);
        m_lastRows.resize(groups + 1);
        QVector<int> groupColumns;
        for (const Group& group : d.groups)
            groupColumns.append(m_rows.column(group.column));
        QMap<QString, QPair<QString, Totals>> keys;

        startPage();
        for (int r = 0; r < m_rows.size(); ++r) {
            const QVector<QVariant>& row = m_rows.values.at(r);
            int changed = 0;
            if (m_lastRow >= 0) {
                const QVector<QVariant>& previous = m_rows.values.at(m_lastRow);
                while (changed < groups &&
                       sameKey(row.at(groupColumns.at(changed)), previous.at(groupColumns.at(changed))))
                    ++changed;
                for (int g = m_openGroups - 1; g >= changed; --g)
                    closeGroup(g);
            }
            for (int g = changed; g < groups; ++g)
                openGroup(g, r);

            m_lastRow = r;
            lay(d.detail, {&m_rows, r}, -1, true);
            add(m_reportTotals, row);
            for (int g = 0; g < groups; ++g)
                add(m_groupTotals[g], row);
            if (d.summary) {
                const QString key = formatValue(row.at(m_keyColumn), Format::Text);
                auto& entry = keys[key.toCaseFolded()];
                if (entry.second.count == 0)
                    entry.first = key;
                add(entry.second, row);
            }
            if (d.subreport)
                placeChildren(r);
        }
        for (int g = m_openGroups - 1; g >= 0; --g)
            closeGroup(g);
        if (d.summary && !keys.isEmpty()) {
            // The summary's lines are the rows the report's closing block keeps with.
            m_lastRows[0] = LastRows();
            lay(d.summary->header, {&m_rows, m_lastRow});
            for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
                Context context{&m_rows, m_lastRow, &it.value().second, it.value().first};
                lay(d.summary->line, context, -1, true);
            }
        }
        close(d.reportFooter, {&m_rows, m_lastRow}, 0);
        finishPage();
    }

    // ---- labels ----

    void layOutLabels(const LabelSheet& sheet)
    {
        // Each line as pieces: fixed text, or a column (index >= 0).
        QVector<QVector<QPair<QString, int>>> lines;
        for (const QString& line : sheet.lines) {
            QVector<QPair<QString, int>> pieces;
            int at = 0;
            while (at < line.size()) {
                const int open = line.indexOf(QLatin1Char('{'), at);
                const int close = open < 0 ? -1 : line.indexOf(QLatin1Char('}'), open);
                if (close < 0) {
                    pieces.append({line.mid(at), -1});
                    break;
                }
                if (open > at)
                    pieces.append({line.mid(at, open - at), -1});
                pieces.append({QString(), columnOf(m_rows, line.mid(open + 1, close - open - 1))});
                at = close + 1;
            }
            lines.append(pieces);
        }
        const int perPage = std::max(1, sheet.columns * sheet.rows);
        m_doc.pages.append(Page());
        for (int i = 0; i < m_rows.size(); ++i) {
            if (i > 0 && i % perPage == 0)
                m_doc.pages.append(Page());
            const int slot = i % perPage;
            const double x = sheet.origin.x() + (slot % sheet.columns) * sheet.pitch.width() + sheet.padding;
            const double y = sheet.origin.y() + (slot / sheet.columns) * sheet.pitch.height() + sheet.padding;
            const QVector<QVariant>& row = m_rows.values.at(i);
            QStringList texts;
            for (const auto& pieces : std::as_const(lines)) {
                QString text;
                bool anyValue = false;
                for (const auto& [fixed, column] : pieces) {
                    if (column < 0) {
                        text += fixed;
                        continue;
                    }
                    const QString value = row.at(column).toString().trimmed();
                    anyValue = anyValue || !value.isEmpty();
                    text += value;
                }
                if (anyValue)
                    texts << text.simplified();
            }
            placeLabel(sheet, texts, x, y);
        }
    }

    // A label's lines in the largest type that holds them all: a long line wraps onto the next, and the whole
    // label's type shrinks, down to the sheet's smallest, until the lines fit the label and the last line (the
    // town, state and ZIP of an address) fits on one line. The last line is never cut: from the smallest type it
    // wraps if it must, and the type shrinks on to the floor before anything is cut; a label that even the floor
    // cannot hold has the other lines cut to one line each.
    void placeLabel(const LabelSheet& sheet, const QStringList& texts, double x, double y)
    {
        if (texts.isEmpty())
            return;
        const double room = sheet.size.width() - 2 * sheet.padding;
        const double height = sheet.size.height() - 2 * sheet.padding;
        const double smallest = std::min(sheet.minimumSize, sheet.font.size);
        const double floor = std::min(sheet.floorSize, smallest);
        Font font = sheet.font;
        QStringList shown;
        for (;;) {
            shown.clear();
            for (int i = 0; i + 1 < texts.size(); ++i)
                shown << m_measure.wrap(font, texts.at(i), room);
            const QStringList last = m_measure.wrap(font, texts.last(), room);
            const bool lastWhole = last.size() == 1 || font.size < smallest + 0.001;
            shown << last;
            if (lastWhole && shown.size() * m_measure.lineHeight(font) <= height + 0.001)
                break;
            if (font.size - 0.5 < floor - 0.001) {
                shown.clear();
                for (int i = 0; i + 1 < texts.size(); ++i)
                    shown << m_measure.elide(font, texts.at(i), room);
                shown << last;
                break;
            }
            font.size -= 0.5;
        }
        const double lineHeight = m_measure.lineHeight(font);
        const int at = fontIndex(font);
        for (int i = 0; i < shown.size(); ++i)
            m_doc.pages.last().runs.append(
                {QRectF(x, y + i * lineHeight, room, lineHeight), shown.at(i), at, Align::Left});
    }

    const Definition& d;
    const Rows& m_rows;
    const Rows& m_subrows;
    Document m_doc;
    TextMeasure m_measure;
    QHash<const Band*, QVector<Compiled>> m_compiled;
    QVector<QPair<int, Format>> m_sumColumns;
    QHash<QString, QVector<int>> m_children;
    int m_parentColumn = -1;
    int m_keyColumn = -1;
    Totals m_reportTotals;
    QVector<Totals> m_groupTotals;
    QVector<int> m_groupRows;
    int m_openGroups = 0;
    int m_headersShown = 0;       // the open groups whose header stands above the rows, repeated on a new page
    QVector<LastRows> m_lastRows; // the report's, then each group's
    QVector<Held> m_held;
    qint64 m_seq = 0;
    QVector<int> m_pageOwners; // per page, the group that numbers it (0: the report)
    int m_owner = 0;
    int m_lastRow = -1;
    int m_childrenOf = -1; // the main row whose subreport rows are being placed
    double m_y = 0;
    double m_bottom = 0;
    double m_bodyTop = 0;
    QVector<QPair<int, int>> m_pageNumbers;
};

} // namespace

Document layout(const Definition& definition, const Rows& rows, const Rows& subrows)
{
    return Layouter(definition, rows, subrows).run();
}

} // namespace ReportEngine
