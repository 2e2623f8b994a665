#include "support/RecordingOutput.h"
#include "support/ScriptedMessages.h"
#include "support/TestArea.h"
#include "support/TestDatabase.h"

#include "core/MainMod.h"
#include "platform/DbError.h"
#include "platform/Twips.h"
#include "reports/PageView.h"
#include "reports/PrintLoop.h"
#include "reports/ReportRunner.h"
#include "reports/Reports.h"
#include "reports/Viewer.h"
#include "reports/WorkProgress.h"
#include "reports/engine/Layout.h"
#include "shell/ScreenRegistry.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace ReportEngine;
using MainMod::MainDatabase;

namespace {

// A report of numbered lines, 40 to a page.
std::shared_ptr<const Document> numbered(const QString& title, int lines)
{
    Definition d;
    d.title = title;
    d.pageHeader.height = 20;
    d.pageHeader.add(Element::label(0, 0, 400, 14, title));
    d.pageFooter.height = 14;
    d.pageFooter.add(Element::make(Kind::PageNofM, 300, 0, 240, 12).right());
    d.detail.height = 16;
    d.detail.add(Element::field(0, 0, 300, 14, QStringLiteral("Line")));
    Rows rows;
    rows.columns = {QStringLiteral("Line")};
    for (int i = 0; i < lines; ++i)
        rows.values.append({QStringLiteral("%1 line %2").arg(title).arg(i + 1)});
    return std::make_shared<const Document>(layout(d, rows));
}

ReportOutput::Report report(const QString& title, int lines, const QStringList& rights = {})
{
    return {numbered(title, lines), rights};
}

QString pdfText(const QString& file)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    process.waitForFinished(30000);
    // Ligatures (ff, fi) come back as one character each.
    return QString::fromUtf8(process.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
}

// Runs an action on the next modal dialog of the given type once it is up.
template <class Dialog> void whenModal(std::function<void(Dialog*)> action)
{
    QTimer::singleShot(50, [action] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        action(dialog);
    });
}

// Presses Cancel on the progress of long work once it shows and has passed its second step; keeps the step.
void cancelPartWay(QObject* owner, int* reached)
{
    auto* poll = new QTimer(owner);
    poll->setInterval(0);
    QObject::connect(poll, &QTimer::timeout, [poll, reached] {
        auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
        if (!progress || !progress->isVisible() || progress->value() < 2)
            return;
        poll->stop();
        *reached = progress->value();
        grabIfAsked(progress, QStringLiteral("export-progress"));
        QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
    });
    poll->start();
}

// Long work shows its progress at once while it lives.
struct ProgressAtOnce {
    ProgressAtOnce() { Reports::WorkProgress::setDelay(0); }
    ~ProgressAtOnce() { Reports::WorkProgress::setDelay(1000); }
};

} // namespace

class TestViewer : public QObject {
    Q_OBJECT

private slots:
    void secondPreviewReplacesTheFirstInTheSameWindow()
    {
        TestArea area;
        Viewer* viewer = Viewer::preview(report(QStringLiteral("First"), 100, {QStringLiteral("Member View")}));
        QVERIFY(viewer);
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Report Viewer"));
        QMdiSubWindow* sub = area.area()->subWindowList().first();
        QCOMPARE(viewer->size(), QSize(Twips::toPixels(11205), Twips::toPixels(10245)));
        viewer->btnLast->click();
        QCOMPARE(viewer->currentPage(), 2);
        sub->setGeometry(40, 30, 600, 500);

        Viewer* again =
            Viewer::preview(report(QStringLiteral("Second"), 10, {QStringLiteral("Administrative Report")}));
        QCOMPARE(again, viewer);
        QCOMPARE(area.area()->subWindowList().size(), 1);
        QCOMPARE(sub->geometry(), QRect(40, 30, 600, 500));
        QCOMPARE(viewer->document()->title, QStringLiteral("Second"));
        QCOMPARE(viewer->rights(), QStringList{QStringLiteral("Administrative Report")});
        QCOMPARE(viewer->currentPage(), 0);
        QCOMPARE(viewer->lblPageCount->text(), QStringLiteral("of 1"));
        QVERIFY(!viewer->btnNext->isEnabled());
        QVERIFY(!viewer->btnLast->isEnabled());
    }

    void aPreviewStillPagesAfterItsQueryIsGone()
    {
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        for (int i = 0; i < 60; ++i)
            MainDatabase.execute(QStringLiteral("INSERT INTO Responsibilities (Name, Description) VALUES (?, ?)"),
                                 {QStringLiteral("Task %1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("d")});
        Reports::PrintChurchRespListingReport();
        MainDatabase.close();
        auto* viewer = ScreenRegistry::find<Viewer>();
        QVERIFY(viewer);
        const int pages = viewer->document()->pageCount();
        QVERIFY(pages >= 3);
        QVERIFY(!viewer->btnFirst->isEnabled());
        QTest::mouseClick(viewer->btnNext, Qt::LeftButton);
        QCOMPARE(viewer->currentPage(), 1);
        QCOMPARE(viewer->txtPage->value(), 2);
        QTest::mouseClick(viewer->btnLast, Qt::LeftButton);
        QCOMPARE(viewer->currentPage(), pages - 1);
        QVERIFY(!viewer->btnNext->isEnabled());
        QTest::mouseClick(viewer->btnPrevious, Qt::LeftButton);
        QCOMPARE(viewer->currentPage(), pages - 2);
        QTest::mouseClick(viewer->btnFirst, Qt::LeftButton);
        QCOMPARE(viewer->currentPage(), 0);
        // Typing a page number goes there.
        viewer->txtPage->selectAll();
        QTest::keyClicks(viewer->txtPage, QStringLiteral("3"));
        QTest::keyClick(viewer->txtPage, Qt::Key_Return);
        QCOMPARE(viewer->currentPage(), 2);
        QVERIFY(viewer->document()->pageTexts(pages - 1).contains(QStringLiteral("Task 59")));
        QVERIFY(!viewer->grab().isNull());
        grabIfAsked(viewer->window(), QStringLiteral("Viewer-page3"));
        QCOMPARE(messages.count(), 0);
    }

    void zoomAndFitWidth()
    {
        TestArea area;
        Viewer* viewer = Viewer::preview(report(QStringLiteral("Zoom"), 5));
        QWidget* canvas = viewer->pageView->widget();
        const double pagePixels = 612 * viewer->logicalDpiX() / 72.0;
        QVERIFY(viewer->btnFitWidth->isChecked());
        QCOMPARE(canvas->width(), viewer->pageView->viewport()->width() - 24);

        const int twice = viewer->cmbZoom->findData(200);
        viewer->cmbZoom->setCurrentIndex(twice);
        emit viewer->cmbZoom->activated(twice);
        QVERIFY(!viewer->btnFitWidth->isChecked());
        QCOMPARE(canvas->width(), qRound(pagePixels * 2));

        QTest::mouseClick(viewer->btnFitWidth, Qt::LeftButton);
        QVERIFY(viewer->btnFitWidth->isChecked());
        QMdiSubWindow* sub = area.area()->subWindowList().first();
        sub->resize(900, 700);
        QCOMPARE(canvas->width(), viewer->pageView->viewport()->width() - 24);
    }

    void theViewFillsTheWindowAtAnySize()
    {
        TestArea area;
        Viewer* viewer = Viewer::preview(report(QStringLiteral("Size"), 5));
        QMdiSubWindow* sub = area.area()->subWindowList().first();
        for (const QSize& size : {QSize(900, 700), QSize(300, 200), QSize(1000, 780)}) {
            sub->resize(size);
            QCOMPARE(viewer->pageView->width(), viewer->width());
            QCOMPARE(viewer->pageView->geometry().bottom(), viewer->height() - 1);
        }
        sub->showMinimized();
        sub->showNormal();
        QCOMPARE(viewer->pageView->width(), viewer->width());
    }

    void directPrintWithNoPrinterSaysItWasNotPrinted()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("this machine has a printer");
        TestArea area;
        ScriptedMessages messages;
        const bool printed = Reports::produce(QStringLiteral("Roll"), {}, ReportOutput::Mode::Print,
                                              [] { return *numbered(QStringLiteral("Roll"), 3); });
        QVERIFY(!printed);
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, QStringLiteral("Roll was not printed: no printer is set up."));
        QVERIFY(!ScreenRegistry::isOpen(QStringLiteral("Viewer")));
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void aReportThatCannotBeProducedSaysSoAndRestoresThePointer_data()
    {
        QTest::addColumn<bool>("database");
        QTest::newRow("query") << true;
        QTest::newRow("layout") << false;
    }
    void aReportThatCannotBeProducedSaysSoAndRestoresThePointer()
    {
        QFETCH(bool, database);
        TestArea area;
        ScriptedMessages messages;
        const bool shown = Reports::produce(QStringLiteral("Broken"), {}, ReportOutput::Mode::Preview, [database] {
            if (database)
                throw DbError(QStringLiteral("SELECT"), QStringLiteral("no such table"));
            Definition d;
            d.detail.add(Element::field(0, 0, 10, 10, QStringLiteral("Missing")));
            return layout(d, Rows{});
        });
        QVERIFY(!shown);
        QCOMPARE(messages.count(), 1);
        QVERIFY(messages.last().text.startsWith(QStringLiteral("The report \"Broken\" could not be produced.")));
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(!ScreenRegistry::isOpen(QStringLiteral("Viewer")));
    }

    void printThroughTheDialogToAPdfFile()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        TestArea area;
        ScriptedMessages messages;
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("printed.pdf"));
        Viewer* viewer = Viewer::preview(report(QStringLiteral("Dialog"), 50));
        viewer->printer().setOutputFormat(QPrinter::PdfFormat);
        viewer->printer().setOutputFileName(file);
        bool dialogShown = false;
        whenModal<QPrintDialog>([&](QPrintDialog* dialog) {
            dialogShown = true;
            dialog->accept();
        });
        QTest::mouseClick(viewer->btnPrint, Qt::LeftButton);
        QVERIFY(dialogShown);
        QCOMPARE(messages.count(), 0);
        const QString text = pdfText(file);
        QVERIFY(text.contains(QStringLiteral("Dialog line 1")));
        QVERIFY(text.contains(QStringLiteral("Dialog line 50")));
        QVERIFY(text.contains(QStringLiteral("Page 2 of 2")));
    }

    void exportPdfThroughTheFileDialogAndReadItBack()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        TestDatabase tdb;
        TestArea area;
        ScriptedMessages messages;
        MainMod::ChurchName = QStringLiteral("Grace Church");
        MainDatabase.execute(QStringLiteral("INSERT INTO Sunday_School (Name, Location, Notes) VALUES "
                                            "('Adults', 'Hall', 'Coffee first'), ('Youth', 'Room 2', NULL)"));
        Reports::PrintSundaySchoolListingReport();
        auto* viewer = ScreenRegistry::find<Viewer>();
        QVERIFY(viewer);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("classes")); // the extension is added
        whenModal<QFileDialog>([&](QFileDialog* dialog) {
            // Typed into the name box, as a user would.
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(file);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        QTest::mouseClick(viewer->btnExportPdf, Qt::LeftButton);
        QCOMPARE(messages.count(), 0);
        const QString text = pdfText(file + QStringLiteral(".pdf"));
        for (const char* expected : {"Grace Church", "Sunday School Class Listing", "Printed", "12/7/2026", "Adults",
                                     "Hall", "Coffee first", "Youth", "Room 2", "Number of classes:", "Page 1 of 1"})
            QVERIFY2(text.contains(QString::fromLatin1(expected)), expected);
    }

    // A file of the chosen name changes only when the whole PDF is written.
    void exportPdfReplacesAFileOnlyWhenWhole_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("existing");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("outcome"); // pdf, unchanged, message
        QTest::newRow("new file") << "list.pdf" << false << false << "pdf";
        QTest::newRow("replacing a file") << "list.pdf" << true << false << "pdf";
        QTest::newRow("cancelled part-way") << "list.pdf" << true << true << "unchanged";
        QTest::newRow("typed without .pdf over it, answered No") << "list" << true << false << "unchanged";
        QTest::newRow("folder that does not exist") << "gone/list.pdf" << false << false << "message";
    }
    void exportPdfReplacesAFileOnlyWhenWhole()
    {
        QFETCH(QString, name);
        QFETCH(bool, existing);
        QFETCH(bool, cancel);
        QFETCH(QString, outcome);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        TestArea area;
        ScriptedMessages messages;
        ProgressAtOnce atOnce;
        QTemporaryDir dir;
        const QString file = dir.filePath(name.endsWith(".pdf") ? name : name + ".pdf");
        const QByteArray before("an earlier export\n");
        if (existing) {
            QFile old(file);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(before);
        }
        Viewer* viewer = Viewer::preview(report(QStringLiteral("Export"), 400));
        QCOMPARE(viewer->document()->pageCount(), 10);
        if (outcome == "unchanged" && !cancel)
            messages.answer(Messages::Answer::No);
        whenModal<QFileDialog>([&](QFileDialog* dialog) {
            auto* typed = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(typed);
            typed->setText(dir.filePath(name));
            QTest::keyClick(typed, Qt::Key_Return);
            if (dialog->isVisible()) // after No
                dialog->reject();
        });
        QObject owner;
        int reached = -1;
        if (cancel)
            cancelPartWay(&owner, &reached);
        QTest::mouseClick(viewer->btnExportPdf, Qt::LeftButton);

        if (cancel) {
            QVERIFY(reached >= 2 && reached < 10);
        }
        if (existing)
            QCOMPARE(messages.shown().value(0).text,
                     QStringLiteral("list.pdf already exists.\nDo you want to replace it?"));
        if (outcome == QLatin1String("pdf")) {
            QCOMPARE(messages.count(), int(existing));
            const QString text = pdfText(file);
            QVERIFY(text.contains(QStringLiteral("Export line 1")));
            QVERIFY(text.contains(QStringLiteral("Export line 400")));
            QVERIFY(text.contains(QStringLiteral("Page 10 of 10")));
        } else if (outcome == QLatin1String("unchanged")) {
            QCOMPARE(messages.count(), 1);
            QFile kept(file);
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), before);
        } else {
            QCOMPARE(messages.count(), 1);
            QCOMPARE(messages.last().text, QStringLiteral("Export could not be written to %1.").arg(file));
            QVERIFY(!QFile::exists(file));
        }
        // Nothing else is left in the folder.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
                 outcome == QLatin1String("message") ? QStringList() : QStringList{QStringLiteral("list.pdf")});
    }

    void exportToAFolderThatCannotBeWrittenSaysSo()
    {
        ScriptedMessages messages;
        QVERIFY(!ReportOutput::writePdf(*numbered(QStringLiteral("Nowhere"), 2), QStringLiteral("/no/such/dir/x.pdf")));
        QCOMPARE(messages.count(), 1);
        QVERIFY(messages.last().text.startsWith(QStringLiteral("Nowhere could not be written")));
    }

    void printLoopCountsAndStops()
    {
        ScriptedMessages messages;
        RecordingOutput output;
        auto printOne = [](int i) {
            return Reports::produce(QStringLiteral("Sheet"), {}, ReportOutput::Mode::Print,
                                    [i] { return *numbered(QStringLiteral("Sheet %1").arg(i), 1); });
        };
        QCOMPARE(Reports::printEach(QStringLiteral("Sheets"), 4, printOne), 4);
        QCOMPARE(messages.count(), 0);
        QCOMPARE(output.deliveries.size(), 4);
        QCOMPARE(output.deliveries.at(3).mode, ReportOutput::Mode::Print);

        // A print that fails stops the loop.
        output.deliveries.clear();
        const int printed = Reports::printEach(QStringLiteral("Sheets"), 5, [&](int i) {
            output.printerWorks = i < 2;
            return printOne(i);
        });
        QCOMPARE(printed, 2);
        QCOMPARE(output.deliveries.size(), 3);
        QCOMPARE(messages.last().text, QStringLiteral("Printing stopped: 2 of 5 printed."));

        // Cancel stops it too.
        output.printerWorks = true;
        messages.clear();
        const int beforeCancel = Reports::printEach(QStringLiteral("Sheets"), 5, [&](int i) {
            if (i == 1) {
                auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
                if (progress)
                    QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
            }
            return printOne(i);
        });
        QCOMPARE(beforeCancel, 2);
        QCOMPARE(messages.last().text, QStringLiteral("Printing stopped: 2 of 5 printed."));
    }
};

QTEST_MAIN(TestViewer)
#include "tst_viewer.moc"
