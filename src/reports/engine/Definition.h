#pragma once

#include <QDate>
#include <QHash>
#include <QMarginsF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// A report definition is plain data built in code: the page, the bands that repeat on it, and what each band
// shows. Positions and sizes are in points (72 to the inch); x is measured from the left margin.
namespace ReportEngine {

enum class Kind {
    Label,      // fixed text
    Field,      // a column of the current row
    Text,       // a text object the code sets before layout
    PageNofM,   // "Page N of M"
    PrintDate,  // the date the report was made
    Sum,        // the total of a column over a scope
    Count,      // the number of detail rows in a scope
    SummaryKey, // the key of a line of the summary by key
    Rule,       // a line along the top edge of the rectangle
    Box,        // a frame around the rectangle
};

enum class Format { Text, Integer, Money, Date, BirthDate, DateTime, YesNo, Phone };
enum class Align { Left, Center, Right };

struct Font {
    double size = 9;
    bool bold = false;
    bool italic = false;
    bool fixedPitch = false; // keeps the column of every character, blanks included
    bool operator==(const Font&) const = default;
};

// The smallest type still read with ease: what is set smaller to fit its room goes no smaller.
inline constexpr double kLegibleSize = 6;

// Scopes of sums and counts: a group by its position (0 is the outermost), or one of these.
inline constexpr int kReportScope = -1;
inline constexpr int kKeyScope = -2; // the rows of one key of the summary by key

struct Element {
    Kind kind = Kind::Label;
    QRectF rect;
    QString text; // Label: the text. Field, Sum: the column. Text: the text object's name.
    Format format = Format::Text;
    Align align = Align::Left;
    Font font;
    // Wraps and grows downward; a band may split between its lines. Text that does not grow is set smaller when
    // too wide for its box, down to kLegibleSize, and wraps and grows only when even that cannot hold it.
    bool grows = false;
    int scope = kReportScope;      // Sum, Count
    bool continuationOnly = false; // shown only when a group header repeats on a continuation page

    static Element label(double x, double y, double w, double h, const QString& text);
    static Element field(double x, double y, double w, double h, const QString& column, Format format = Format::Text);
    static Element textObject(double x, double y, double w, double h, const QString& name);
    static Element make(Kind kind, double x, double y, double w, double h);

    Element& right()
    {
        align = Align::Right;
        return *this;
    }
    Element& center()
    {
        align = Align::Center;
        return *this;
    }
    Element& bold()
    {
        font.bold = true;
        return *this;
    }
    Element& italic()
    {
        font.italic = true;
        return *this;
    }
    Element& fixedPitch()
    {
        font.fixedPitch = true;
        return *this;
    }
    Element& size(double points)
    {
        font.size = points;
        return *this;
    }
    Element& growing()
    {
        grows = true;
        return *this;
    }
    Element& inScope(int s)
    {
        scope = s;
        return *this;
    }
    Element& as(Format f)
    {
        format = f;
        return *this;
    }
    Element& onContinuation()
    {
        continuationOnly = true;
        return *this;
    }
};

struct Band {
    double height = 0;
    QVector<Element> elements;
    // A heading: it goes to the next page with what follows it unless at least the first row of that fits under it.
    bool keepWithNext = false;
    // A closing block: when it does not fit under the rows it closes, the last two of them go to the next page
    // with it, so that no page holds the block alone. A block taller than a page still breaks.
    bool keepTogether = false;

    Band& add(const Element& element)
    {
        elements.append(element);
        return *this;
    }
};

// Consecutive rows with the same value in the column form one group (text compared without regard to case).
struct Group {
    QString column;
    Band header;
    Band footer;
    bool newPage = false;        // every group starts on a page of its own
    bool repeatHeader = false;   // the header repeats at the top of a page the group continues on
    Band continuedHeader;        // repeated in place of the header, when it has elements
    bool ownPageNumbers = false; // "Page N of M" counts the pages of each group on its own (with newPage)
};

// The rows of a second query shown under each main row whose parentColumn equals their childColumn, in the
// second query's order.
struct Subreport {
    QString parentColumn;
    QString childColumn;
    Band header; // once above a parent's rows
    Band detail; // one per row
    Band empty;  // when the parent has none
    // Repeated, made for the parent, at the top of a page that the parent's rows go on to.
    Band continuedHeader;
};

// Labels on a sheet, filled across then down. Each line is a template of "{Column}" fields and fixed text; a
// line whose fields are all empty is dropped. A long line wraps onto the next; a label too full for its type
// has all of it set smaller, down to minimumSize with the last line on one line, then down to floorSize with the
// last line wrapped too. The last line is kept whole.
struct LabelSheet {
    int columns = 3;
    int rows = 10;
    QPointF origin; // top left corner of the first label, from the page corner
    QSizeF pitch;   // from one label to the next, across and down
    QSizeF size;    // of one label
    double padding = 6;
    QStringList lines;
    Font font;
    double minimumSize = 7;
    double floorSize = kLegibleSize;
};

// Lines at the report's foot with a total per key (a designation, say), whatever the order of the rows:
// the line band shows SummaryKey and Sum or Count elements in kKeyScope. Keys are listed in order, ignoring case.
struct SummaryByKey {
    QString keyColumn;
    Band header;
    Band line;
};

struct Definition {
    QString title;
    bool landscape = false;
    QMarginsF margins{36, 36, 36, 36};

    Band reportHeader; // first page, above the page header
    Band pageHeader;
    Band detail;
    Band pageFooter;
    Band reportFooter; // after the last row and group footer
    QVector<Group> groups;
    std::optional<Subreport> subreport;
    std::optional<LabelSheet> labels;
    std::optional<SummaryByKey> summary;

    QHash<QString, QString> texts; // text objects by name
    QDate printDate;

    QSizeF pageSize() const { return landscape ? QSizeF(792, 612) : QSizeF(612, 792); }
    double bodyWidth() const { return pageSize().width() - margins.left() - margins.right(); }
};

} // namespace ReportEngine
