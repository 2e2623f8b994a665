#include "reports/engine/Layout.h"
#include "reports/engine/Paint.h"
#include "reports/engine/Synthetic.h"

#include <QElapsedTimer>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace ReportEngine;

namespace {

Rows table(const QStringList& columns, const QVector<QVector<QVariant>>& values)
{
    return Rows{columns, values};
}

// A list with a page header, a detail line per row and "Page N of M" at the foot.
Definition list(double detailHeight = 20)
{
    Definition d;
    d.title = QStringLiteral("List");
    d.pageHeader.height = 30;
    d.pageHeader.add(Element::label(0, 0, 300, 14, QStringLiteral("Heading")));
    d.pageFooter.height = 20;
    d.pageFooter.add(Element::make(Kind::PageNofM, 300, 4, 240, 12).right());
    d.detail.height = detailHeight;
    d.detail.add(Element::field(0, 2, 200, 14, QStringLiteral("Name")));
    return d;
}

Rows names(int count)
{
    Rows rows;
    rows.columns = {QStringLiteral("Name")};
    for (int i = 0; i < count; ++i)
        rows.values.append({QStringLiteral("Person %1").arg(i + 1, 3, 10, QLatin1Char('0'))});
    return rows;
}

// The texts of every run on every page that start with a prefix, page by page.
QVector<QStringList> textsWith(const Document& doc, const QString& prefix)
{
    QVector<QStringList> pages;
    for (int p = 0; p < doc.pageCount(); ++p) {
        QStringList texts;
        for (const QString& text : doc.pageTexts(p))
            if (text.startsWith(prefix))
                texts << text;
        pages << texts;
    }
    return pages;
}

double bottomOfBody(const Document& doc, int page, const QString& prefix)
{
    double bottom = 0;
    for (const Run& run : doc.pages.at(page).runs)
        if (run.text.startsWith(prefix))
            bottom = std::max(bottom, run.rect.bottom());
    return bottom;
}

// Groups "A", "B", ... of the given sizes, one row each "A 1", "A 2", ..., under a list's page header and footer.
// Each group has a heading of 20 points and, when footer > 0, a closing block of that height whose first line
// reads "A end" and last line "A end last".
struct Grouped {
    Definition definition;
    Rows rows;
};

Grouped grouped(const QList<int>& sizes, double footer, bool keep, bool ownNumbers)
{
    Grouped g{list(), {}};
    Definition& d = g.definition;
    Group group;
    group.column = QStringLiteral("Class");
    group.newPage = ownNumbers;
    group.ownPageNumbers = ownNumbers;
    group.header.height = 20;
    group.header.add(Element::field(0, 2, 200, 14, QStringLiteral("Class")));
    group.header.keepWithNext = keep;
    if (footer > 0) {
        group.footer.height = footer;
        group.footer.add(Element::field(0, 0, 100, 14, QStringLiteral("EndText")));
        group.footer.add(Element::field(0, footer - 14, 100, 14, QStringLiteral("LastText")));
        group.footer.keepTogether = keep;
    }
    d.groups << group;
    g.rows.columns = {"Class", "Name", "EndText", "LastText"};
    for (int i = 0; i < sizes.size(); ++i) {
        const QString name(QChar(u'A' + i));
        for (int n = 1; n <= sizes.at(i); ++n)
            g.rows.values.append({name, QStringLiteral("%1 %2").arg(name).arg(n), name + QStringLiteral(" end"),
                                  name + QStringLiteral(" end last")});
    }
    return g;
}

// A page's texts under the page header, with runs of rows of one group written as "A 1-28".
QString pageSummary(const Document& doc, int page)
{
    QStringList out;
    static const QRegularExpression rowText(QStringLiteral("^([A-Z]) (\\d+)$"));
    QString group;
    int first = 0;
    int last = 0;
    const auto flush = [&] {
        if (!group.isEmpty())
            out << (first == last ? QStringLiteral("%1 %2").arg(group).arg(first)
                                  : QStringLiteral("%1 %2-%3").arg(group).arg(first).arg(last));
        group.clear();
    };
    for (const QString& text : doc.pageTexts(page).mid(1)) {
        const QRegularExpressionMatch m = rowText.match(text);
        if (m.hasMatch() && m.captured(1) == group && m.captured(2).toInt() == last + 1) {
            last = m.captured(2).toInt();
            continue;
        }
        flush();
        if (m.hasMatch()) {
            group = m.captured(1);
            first = last = m.captured(2).toInt();
            continue;
        }
        out << text;
    }
    flush();
    return out.join(QStringLiteral(", "));
}
} // namespace

class TestReportLayout : public QObject {
    Q_OBJECT

private slots:
    void bandThatDoesNotFitMovesToTheNextPage()
    {
        // Body: 792 - 72 margins - 30 header - 20 footer = 670 points: 33 rows of 20 fit, the 34th does not.
        const Document doc = layout(list(), names(34));
        QCOMPARE(doc.pageCount(), 2);
        const auto pages = textsWith(doc, QStringLiteral("Person"));
        QCOMPARE(pages.at(0).size(), 33);
        QCOMPARE(pages.at(1), QStringList{QStringLiteral("Person 034")});
        QVERIFY(bottomOfBody(doc, 0, QStringLiteral("Person")) <= 792 - 36 - 20);
        // The heading stands on every page, above the rows.
        for (int p = 0; p < 2; ++p)
            QCOMPARE(doc.pageTexts(p).first(), QStringLiteral("Heading"));
    }

    void pageNOfMOnEveryPage()
    {
        const Document doc = layout(list(), names(100));
        QCOMPARE(doc.pageCount(), 4);
        for (int p = 0; p < doc.pageCount(); ++p)
            QCOMPARE(textsWith(doc, QStringLiteral("Page")).at(p),
                     QStringList{QStringLiteral("Page %1 of 4").arg(p + 1)});
    }

    void emptyDataGivesOnePageWithHeadings()
    {
        Definition d = list();
        d.reportFooter.height = 20;
        d.reportFooter.add(Element::make(Kind::Count, 0, 0, 100, 14));
        Group g;
        g.column = QStringLiteral("Name");
        g.footer.height = 14;
        g.footer.add(Element::label(0, 0, 100, 14, QStringLiteral("group end")));
        d.groups << g;
        const Document doc = layout(d, names(0));
        QCOMPARE(doc.pageCount(), 1);
        QCOMPARE(doc.pageTexts(0), (QStringList{"Heading", "0", "Page 1 of 1"}));
    }

    void memoLongerThanAPageSplitsAtLineBoundaries()
    {
        Definition d = list();
        d.detail.add(Element::field(0, 16, 300, 0, QStringLiteral("Notes")).growing());
        QStringList lines;
        for (int i = 1; i <= 150; ++i)
            lines << QStringLiteral("line %1").arg(i);
        Rows rows =
            table({"Name", "Notes"}, {{"Before", ""}, {"Long", lines.join(QStringLiteral("\r\n"))}, {"After", ""}});
        const Document doc = layout(d, rows);
        QVERIFY(doc.pageCount() >= 3);
        QStringList seen;
        for (const QStringList& page : textsWith(doc, QStringLiteral("line ")))
            seen << page;
        QCOMPARE(seen, lines); // every line once, in order
        for (int p = 0; p < doc.pageCount(); ++p)
            QVERIFY(bottomOfBody(doc, p, QStringLiteral("line ")) <= 792 - 36 - 20 + 0.01);
        // The row after the memo follows it, on the page where the memo ends.
        const int last = doc.pageCount() - 1;
        QVERIFY(doc.pageTexts(last).contains(QStringLiteral("After")));
        QVERIFY(doc.pageTexts(last).contains(QStringLiteral("line 150")));
    }

    void memoWrapsWithinItsWidthAndKeepsBlanksOfFixedPitchText()
    {
        Definition d = list();
        d.detail.add(Element::field(0, 16, 120, 0, QStringLiteral("Notes")).growing());
        d.detail.add(Element::field(200, 16, 340, 0, QStringLiteral("Family")).growing().fixedPitch().size(8));
        const QString words = QStringLiteral("one two three four five six seven eight nine ten eleven twelve");
        const QString family = QStringLiteral("Smith, Ann     Wife    03/04/1960\r\nSmith, Bob     Son     \r\n");
        const Document doc = layout(d, table({"Name", "Notes", "Family"}, {{"A", words, family}}));
        QStringList wrapped;
        QStringList fixed;
        for (const Run& run : doc.pages.at(0).runs) {
            if (run.rect.left() < 36 + 150 && run.rect.top() > 36 + 30 + 10)
                wrapped << run.text;
            if (doc.fonts.at(run.font).fixedPitch)
                fixed << run.text;
        }
        QVERIFY(wrapped.size() > 1);
        QCOMPARE(wrapped.join(QLatin1Char(' ')), words);
        QCOMPARE(fixed, (QStringList{"Smith, Ann     Wife    03/04/1960", "Smith, Bob     Son     "}));
    }

    void groupsStartNewPagesAndRepeatTheirHeaderOnContinuation()
    {
        Definition d = list();
        Group g;
        g.column = QStringLiteral("Class");
        g.newPage = true;
        g.repeatHeader = true;
        g.header.height = 16;
        g.header.add(Element::field(0, 0, 200, 14, QStringLiteral("Class")));
        g.header.add(Element::label(300, 0, 100, 14, QStringLiteral("(continued)")).onContinuation());
        d.groups << g;
        Rows rows;
        rows.columns = {"Class", "Name"};
        for (int i = 0; i < 40; ++i)
            rows.values.append({QStringLiteral("Adults"), QStringLiteral("Adult %1").arg(i)});
        rows.values.append({QStringLiteral("adults"), QStringLiteral("Same class")}); // case does not split it
        for (int i = 0; i < 3; ++i)
            rows.values.append({QStringLiteral("Youth"), QStringLiteral("Young %1").arg(i)});
        d.detail.elements.first().text = QStringLiteral("Name");
        const Document doc = layout(d, rows);
        QCOMPARE(doc.pageCount(), 3);
        QCOMPARE(doc.pageTexts(0).mid(0, 2), (QStringList{"Heading", "Adults"}));
        QVERIFY(!doc.pageTexts(0).contains(QStringLiteral("(continued)")));
        QCOMPARE(doc.pageTexts(1).mid(0, 3), (QStringList{"Heading", "Adults", "(continued)"}));
        QVERIFY(doc.pageTexts(1).contains(QStringLiteral("Same class")));
        QCOMPARE(doc.pageTexts(2).mid(0, 3), (QStringList{"Heading", "Youth", "Young 0"}));
    }

    // The page body holds 670 points: a heading of 20 and 32 rows of 20, or 33 rows alone.
    void headingsKeepWithRowsAndClosingBlocksWithTheLastRows_data()
    {
        QTest::addColumn<QList<int>>("sizes");
        QTest::addColumn<double>("footer");
        QTest::addColumn<bool>("ownNumbers");
        QTest::addColumn<QStringList>("pages");
        QTest::newRow("a heading that would fall last moves to the next page")
            << QList<int>{31, 3} << 0.0 << false << QStringList{"A, A 1-31, Page 1 of 2", "B, B 1-3, Page 2 of 2"};
        QTest::newRow("a closing block moves with the last two rows")
            << QList<int>{30} << 60.0 << false
            << QStringList{"A, A 1-28, Page 1 of 2", "A 29-30, A end, A end last, Page 2 of 2"};
        QTest::newRow("rows that move take their heading along")
            << QList<int>{27, 2} << 40.0 << false
            << QStringList{"A, A 1-27, A end, A end last, Page 1 of 2", "B, B 1-2, B end, B end last, Page 2 of 2"};
        QTest::newRow("a closing block taller than a page breaks where it stands")
            << QList<int>{30} << 700.0 << false
            << QStringList{"A, A 1-30, A end, Page 1 of 2", "A end last, Page 2 of 2"};
        QTest::newRow("page numbers count within each group")
            << QList<int>{40, 3} << 0.0 << true
            << QStringList{"A, A 1-32, Page 1 of 2", "A 33-40, Page 2 of 2", "B, B 1-3, Page 1 of 1"};
    }
    void headingsKeepWithRowsAndClosingBlocksWithTheLastRows()
    {
        QFETCH(QList<int>, sizes);
        QFETCH(double, footer);
        QFETCH(bool, ownNumbers);
        QFETCH(QStringList, pages);
        const Grouped g = grouped(sizes, footer, true, ownNumbers);
        const Document doc = layout(g.definition, g.rows);
        QStringList seen;
        for (int p = 0; p < doc.pageCount(); ++p)
            seen << pageSummary(doc, p);
        QCOMPARE(seen, pages);
        for (int p = 0; p < doc.pageCount(); ++p)
            QVERIFY(bottomOfBody(doc, p, QString()) <= 792 - 36 + 0.01);
    }

    // A statement's closing block moves with the last rows of its giver, though they belong to two inner groups:
    // the page it moves to repeats the headings that stood above the first row that moved.
    void movedRowsRepeatTheHeadingsOfTheirGroups()
    {
        Grouped g = grouped({20, 5, 1}, 20, true, false);
        Definition& d = g.definition;
        Group outer;
        outer.column = QStringLiteral("Giver");
        outer.repeatHeader = true;
        outer.header.height = 20;
        outer.header.keepWithNext = true;
        outer.header.add(Element::field(0, 2, 200, 14, QStringLiteral("Giver")));
        outer.header.add(Element::label(300, 2, 100, 14, QStringLiteral("(continued)")).onContinuation());
        outer.footer.height = 150;
        outer.footer.keepTogether = true;
        outer.footer.add(Element::label(0, 0, 100, 14, QStringLiteral("Total")));
        d.groups.first().repeatHeader = true;
        d.groups.first().header.add(Element::label(300, 2, 100, 14, QStringLiteral("(more)")).onContinuation());
        d.groups.prepend(outer);
        g.rows.columns.prepend(QStringLiteral("Giver"));
        for (auto& row : g.rows.values)
            row.prepend(QStringLiteral("Amy"));
        const Document doc = layout(d, g.rows);
        QCOMPARE(doc.pageCount(), 2);
        QCOMPARE(pageSummary(doc, 0), QStringLiteral("Amy, A, A 1-20, A end, A end last, B, B 1-4, Page 1 of 2"));
        QCOMPARE(
            pageSummary(doc, 1),
            QStringLiteral("Amy, (continued), B, (more), B 5, B end, B end last, C, C 1, C end, C end last, Total, "
                           "Page 2 of 2"));
    }

    void sumsPerGroupAndInTotalAreExactInCents()
    {
        Definition d = list();
        Group g;
        g.column = QStringLiteral("Designation");
        g.footer.height = 14;
        g.footer.add(Element::make(Kind::Sum, 0, 0, 100, 14).as(Format::Money).inScope(0));
        g.footer.elements.last().text = QStringLiteral("Amount");
        g.footer.add(Element::make(Kind::Count, 120, 0, 100, 14).inScope(0));
        d.groups << g;
        d.detail.elements.first().text = QStringLiteral("Amount");
        d.detail.elements.first().format = Format::Money;
        Element total = Element::make(Kind::Sum, 0, 0, 100, 14).as(Format::Money);
        total.text = QStringLiteral("Amount");
        d.reportFooter.height = 14;
        d.reportFooter.add(total);
        Rows rows = table({"Designation", "Amount"}, {{"Building", 0.1},
                                                      {"Building", 0.2},
                                                      {"Building", 1234.565},
                                                      {"Missions", 10},
                                                      {"Missions", QVariant()},
                                                      {"Missions", -0.3}});
        const QStringList texts = layout(d, rows).pageTexts(0);
        QCOMPARE(texts.mid(1), (QStringList{"$0.10", "$0.20", "$1,234.57", "$1,234.87", "3", "$10.00", "-$0.30",
                                            "$9.70", "3", "$1,244.57", "Page 1 of 1"}));
    }

    void summaryByKeyTotalsEachKeyWhateverTheOrder()
    {
        Definition d = list();
        d.detail.elements.clear();
        SummaryByKey s;
        s.keyColumn = QStringLiteral("Designation");
        s.header.height = 14;
        s.header.add(Element::label(0, 0, 100, 14, QStringLiteral("Totals")));
        s.line.height = 14;
        s.line.add(Element::make(Kind::SummaryKey, 0, 0, 100, 14));
        Element sum = Element::make(Kind::Sum, 100, 0, 100, 14).as(Format::Money).inScope(kKeyScope);
        sum.text = QStringLiteral("Amount");
        s.line.add(sum);
        s.line.add(Element::make(Kind::Count, 200, 0, 100, 14).inScope(kKeyScope));
        d.summary = s;
        Rows rows = table({"Designation", "Amount"},
                          {{"Missions", 5}, {"Building", 1.1}, {"missions", 2.25}, {"Building", 2.2}, {"Youth", 1}});
        QCOMPARE(layout(d, rows).pageTexts(0).mid(1),
                 (QStringList{"Totals", "Building", "$3.30", "2", "Missions", "$7.25", "2", "Youth", "$1.00", "1",
                              "Page 1 of 1"}));
    }

    void subreportRowsStandUnderTheirParentInChildOrder()
    {
        Definition d = list();
        d.detail.elements.first().text = QStringLiteral("Name");
        Subreport sub;
        sub.parentColumn = QStringLiteral("ID");
        sub.childColumn = QStringLiteral("Prospect_ID");
        sub.header.height = 14;
        sub.header.add(Element::label(20, 0, 100, 14, QStringLiteral("Contacts")));
        sub.detail.height = 14;
        sub.detail.add(Element::field(20, 0, 200, 14, QStringLiteral("Action")));
        sub.empty.height = 14;
        sub.empty.add(Element::label(20, 0, 200, 14, QStringLiteral("No contacts")));
        d.subreport = sub;
        const Rows people = table({"ID", "Name"}, {{1, "Ann"}, {2, "Bob"}, {3, "Cy"}});
        const Rows contacts =
            table({"Prospect_ID", "Action"}, {{3, "Cy newest"}, {1, "Ann newest"}, {3, "Cy older"}, {1, "Ann oldest"}});
        QCOMPARE(layout(d, people, contacts).pageTexts(0).mid(1),
                 (QStringList{"Ann", "Contacts", "Ann newest", "Ann oldest", "Bob", "No contacts", "Cy", "Contacts",
                              "Cy newest", "Cy older", "Page 1 of 1"}));
    }

    // A parent kept with its children moves to the next page with all of them when they do not fit under it.
    void aParentAndItsChildrenShareAPage()
    {
        Definition d = list();
        d.detail.keepWithNext = true;
        Subreport sub;
        sub.parentColumn = QStringLiteral("ID");
        sub.childColumn = QStringLiteral("Prospect_ID");
        sub.header.keepWithNext = true;
        sub.detail.height = 20;
        sub.detail.keepWithNext = true;
        sub.detail.add(Element::field(20, 0, 200, 14, QStringLiteral("Action")));
        d.subreport = sub;
        Rows people;
        people.columns = {"ID", "Name"};
        Rows contacts;
        contacts.columns = {"Prospect_ID", "Action"};
        // Eight people of three contacts fill 640 of the 670 points; the ninth person needs 80.
        for (int i = 1; i <= 9; ++i) {
            people.values.append({i, QStringLiteral("P %1").arg(i)});
            for (int c = 1; c <= 3; ++c)
                contacts.values.append({i, QStringLiteral("P %1 contact %2").arg(i).arg(c)});
        }
        const Document doc = layout(d, people, contacts);
        QCOMPARE(doc.pageCount(), 2);
        QCOMPARE(doc.pageTexts(0).at(doc.pageTexts(0).size() - 2), QStringLiteral("P 8 contact 3"));
        QCOMPARE(doc.pageTexts(1).mid(1, 4), (QStringList{"P 9", "P 9 contact 1", "P 9 contact 2", "P 9 contact 3"}));
    }

    void labelsGoAcrossThenDownAndDropEmptyLines()
    {
        Definition d;
        d.title = QStringLiteral("Labels");
        LabelSheet sheet;
        sheet.columns = 3;
        sheet.rows = 10;
        sheet.origin = QPointF(13.5, 36);
        sheet.pitch = QSizeF(198, 72);
        sheet.size = QSizeF(189, 72);
        sheet.lines = {"{First_Name} {Middle_Name} {Last_Name}", "{Address_1}", "{Address_2}", "{City}, {State} {Zip}"};
        d.labels = sheet;
        Rows rows;
        rows.columns = {"First_Name", "Middle_Name", "Last_Name", "Address_1", "Address_2", "City", "State", "Zip"};
        for (int i = 0; i < 31; ++i)
            rows.values.append({QStringLiteral("Ann"), QString(), QStringLiteral("Smith%1").arg(i),
                                QStringLiteral("%1 Oak St").arg(i), i == 1 ? QStringLiteral("Apt 2") : QString(),
                                QStringLiteral("Springfield"), QStringLiteral("IL"), QStringLiteral("62701")});
        rows.values[2][3] = QStringLiteral("An address far too long to fit on one label of this sheet at all");
        const Document doc = layout(d, rows);
        QCOMPARE(doc.pageCount(), 2);
        const Page& first = doc.pages.at(0);
        // Three lines for a label without a second address line, four with one, and one more for the long line.
        QCOMPARE(first.runs.size(), 30 * 3 + 1 + 1);
        QCOMPARE(doc.pages.at(1).runs.size(), 3);
        QCOMPARE(doc.pages.at(1).runs.first().text, QStringLiteral("Ann Smith30"));
        auto labelAt = [&](int column, int row) {
            QStringList texts;
            for (const Run& run : first.runs)
                if (qAbs(run.rect.left() - (13.5 + 6 + column * 198)) < 0.01 && run.rect.top() >= 36 + row * 72 &&
                    run.rect.top() < 36 + (row + 1) * 72)
                    texts << run.text;
            return texts;
        };
        QCOMPARE(labelAt(0, 0), (QStringList{"Ann Smith0", "0 Oak St", "Springfield, IL 62701"}));
        QCOMPARE(labelAt(1, 0), (QStringList{"Ann Smith1", "1 Oak St", "Apt 2", "Springfield, IL 62701"}));
        QCOMPARE(labelAt(0, 1).first(), QStringLiteral("Ann Smith3"));
        // The long line wraps onto the next, whole; the town line stays last.
        const QStringList third = labelAt(2, 0);
        QCOMPARE(third.size(), 4);
        QCOMPARE(third.mid(1, 2).join(QLatin1Char(' ')), rows.values.at(2).at(3).toString());
        QCOMPARE(third.last(), QStringLiteral("Springfield, IL 62701"));
    }

    void landscapePagesWithRulesAndBoxes()
    {
        Definition d = list();
        d.landscape = true;
        d.pageHeader.add(Element::make(Kind::Rule, 0, 20, d.bodyWidth(), 0));
        d.detail.add(Element::make(Kind::Box, 400, 0, 100, 18));
        const Document doc = layout(d, names(30));
        QVERIFY(doc.landscape);
        QCOMPARE(doc.pageSize, QSizeF(792, 612));
        // 612 - 72 margins - 30 header - 20 footer = 490 points: 24 rows of 20 on the first page.
        QCOMPARE(textsWith(doc, QStringLiteral("Person")).at(0).size(), 24);
        const Page& first = doc.pages.at(0);
        QCOMPARE(first.shapes.first().rect, QRectF(36, 56, 720, 0));
        QCOMPARE(first.shapes.at(1).rect, QRectF(436, 66, 100, 18));
        QVERIFY(first.shapes.at(1).box);
        QTemporaryDir dir;
        QPdfWriter writer(dir.filePath(QStringLiteral("wide.pdf")));
        QVERIFY(paint(doc, writer));
        QCOMPARE(writer.pageLayout().orientation(), QPageLayout::Landscape);
    }

    void unknownColumnIsRefused()
    {
        Definition d = list();
        d.detail.add(Element::field(0, 0, 10, 10, QStringLiteral("Missing")));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, layout(d, names(1)));
    }

    void valuesPrintInTheirFormats_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("shown");
        QTest::newRow("money") << QVariant(1234.5) << int(Format::Money) << "$1,234.50";
        QTest::newRow("money negative") << QVariant(-0.5) << int(Format::Money) << "-$0.50";
        QTest::newRow("date") << QVariant("2026-03-04") << int(Format::Date) << "3/4/2026";
        QTest::newRow("birth date") << QVariant("1960-03-04") << int(Format::BirthDate) << "03/04/1960";
        QTest::newRow("date-time") << QVariant("2026-03-04 15:04:05") << int(Format::DateTime) << "3/4/2026 3:04:05 PM";
        QTest::newRow("yes") << QVariant(1) << int(Format::YesNo) << "Yes";
        QTest::newRow("no") << QVariant(0) << int(Format::YesNo) << "No";
        QTest::newRow("phone") << QVariant("5551234567") << int(Format::Phone) << "(555) 123-4567";
        QTest::newRow("integer") << QVariant(42.0) << int(Format::Integer) << "42";
    }
    void valuesPrintInTheirFormats()
    {
        QFETCH(QVariant, value);
        QFETCH(int, format);
        QFETCH(QString, shown);
        Definition d = list();
        d.detail.elements.first().format = Format(format);
        QCOMPARE(layout(d, table({"Name"}, {{value}})).pageTexts(0).at(1), shown);
    }

    // The synthetic list the benchmark uses: every one of 20,000 people placed once, on about 500 pages.
    void twentyThousandPeople()
    {
        const SyntheticReport report = syntheticListing(20000);
        QElapsedTimer timer;
        timer.start();
        const Document doc = layout(report.definition, report.rows);
        const qint64 laidOut = timer.elapsed();
        QVERIFY2(doc.pageCount() >= 450 && doc.pageCount() <= 560, qPrintable(QString::number(doc.pageCount())));
        int people = 0;
        for (const Page& page : doc.pages)
            for (const Run& run : page.runs)
                people += run.text.contains(QStringLiteral("ender")) ? 1 : 0;
        QCOMPARE(people, 20000);
        QTemporaryDir dir;
        const QString folder = qEnvironmentVariable("KOV_GRAB_DIR", dir.path());
        QDir().mkpath(folder);
        QPdfWriter writer(QDir(folder).filePath(QStringLiteral("synthetic.pdf")));
        timer.restart();
        QVERIFY(paint(doc, writer));
        const qint64 written = timer.elapsed();
        qInfo("20,000 rows: %d pages laid out in %lld ms, written to PDF in %lld ms", int(doc.pageCount()), laidOut,
              written);
    }
};

QTEST_MAIN(TestReportLayout)
#include "tst_reportlayout.moc"
