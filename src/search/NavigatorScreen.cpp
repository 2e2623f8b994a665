#include "NavigatorScreen.h"

#include "core/MainMod.h"
#include "core/Permissions.h"
#include "members/frmMemberEntry.h"
#include "platform/Controls.h"
#include "platform/EntryBoxes.h"
#include "platform/Twips.h"
#include "shell/ScreenRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSqlQuery>

namespace {
// The grid's place in its frame, in twips.
constexpr int kMargin = 120;
constexpr int kGridTop = 240;
} // namespace

NavigatorScreen::NavigatorScreen(NavigatorSettings settings, QWidget* parent)
    : Screen(parent), m_settings(std::move(settings))
{
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setTitle(QStringLiteral("Search Criteria"));
    Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    vsfgMembers = new NavigatorGrid(Frame2);
    vsfgMembers->setObjectName(QStringLiteral("vsfgMembers"));
    vsfgMembers->navigatorModel()->setCheckColumns(m_settings.checkColumns);
    // Where the user ticks boxes, the one cell that Space ticks is the one highlighted.
    if (!m_settings.checkColumns.isEmpty())
        vsfgMembers->setSelectionBehavior(QAbstractItemView::SelectItems);
    vsfgMembers->navigatorModel()->setBanded(m_settings.banded);
    connect(vsfgMembers, &NavigatorGrid::rowDoubleClicked, this,
            [this](int row) { Guard::run([this, row] { vsfgMembers_DblClick(row); }); });
}

void NavigatorScreen::buildFrames(const QRect& frame1, const QString& frame2Caption, const QRect& frame2)
{
    Twips::place(Frame1, frame1.x(), frame1.y(), frame1.width(), frame1.height());
    Twips::place(Frame2, frame2.x(), frame2.y(), frame2.width(), frame2.height());
    Frame2->setTitle(frame2Caption);
    Twips::place(vsfgMembers, kMargin, kGridTop, frame2.width() - 2 * kMargin, frame2.height() - kGridTop - kMargin);
}

void NavigatorScreen::placeOnLoad(int widthTwips)
{
    QMdiSubWindow* sub = subWindow();
    const QMdiArea* area = ScreenRegistry::area();
    const int height = area ? int(0.9f * float(area->height())) : Twips::toPixels(7600);
    if (sub)
        sub->setGeometry(0, 0, Twips::toPixels(widthTwips), height);
    else
        resize(Twips::toPixels(widthTwips), height);
}

void NavigatorScreen::resizeEvent(QResizeEvent* event)
{
    Screen::resizeEvent(event);
    Form_Resize();
}

void NavigatorScreen::Form_Resize()
{
    // Measured on the window's outer size, as designed: the grid frame is 300 twips narrower than the window
    // and leaves 800 twips under the criteria frame for the caption and borders.
    const QMdiSubWindow* sub = subWindow();
    if (sub && sub->isMinimized())
        return;
    const QSize outer = sub ? sub->size() : size();
    // A size that leaves no room keeps the frames of the last larger window.
    const int frameWidth = outer.width() - Twips::toPixels(300);
    if (frameWidth > 0) {
        Frame2->resize(frameWidth, Frame2->height());
        if (frameWidth - Twips::toPixels(200) > 0)
            vsfgMembers->resize(frameWidth - Twips::toPixels(200), vsfgMembers->height());
    }
    const int frameHeight = outer.height() - Frame1->height() - Twips::toPixels(800);
    if (frameHeight > 0) {
        Frame2->resize(Frame2->width(), frameHeight);
        if (frameHeight - Twips::toPixels(350) > 0)
            vsfgMembers->resize(vsfgMembers->width(), frameHeight - Twips::toPixels(350));
    }
}

void NavigatorScreen::showResults(const QStringList& headings, QList<NavigatorRow> rows)
{
    const int found = int(rows.size());
    for (NavigatorRow& row : rows)
        row.cells.insert(m_settings.idColumn, QString::number(row.id));
    vsfgMembers->fill(headings, std::move(rows));
    if (m_settings.showCount)
        Frame2->setTitle(m_settings.countText + QString::number(found));
}

void NavigatorScreen::clearGrid()
{
    vsfgMembers->clear();
}

void NavigatorScreen::vsfgMembers_DblClick(int row)
{
    if (row < 0 || row >= vsfgMembers->dataRows())
        return;
    const qint64 memberId = vsfgMembers->id(row);
    frmMemberEntry* member = frmMemberEntry::OpenFromAnotherScreen();
    if (!member)
        return;
    member->LoadMember(memberId);
}

const QStringList& NavigatorScreen::monthNames()
{
    static const QStringList names{"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
    return names;
}

void NavigatorScreen::fillFixed(QComboBox* combo, const QStringList& texts)
{
    const QSignalBlocker quiet(combo);
    combo->clear();
    combo->addItems(texts);
    combo->setCurrentIndex(-1);
}

void NavigatorScreen::fillTexts(QComboBox* combo, const QString& sql)
{
    QStringList texts;
    MainMod::MainDatabase.forEachRow(sql, {}, [&texts](const QSqlQuery& row) { texts << row.value(0).toString(); });
    fillFixed(combo, texts);
}

QLineEdit* NavigatorScreen::textBox(QWidget* parent, const char* objectName, int left, int top, int width)
{
    auto* box = Controls::make<QLineEdit>(parent, objectName, left, top, width, 285);
    SelectAllOnFocus::install(box);
    return box;
}

QPushButton* NavigatorScreen::button(QWidget* parent, const char* objectName, const QString& caption, int left, int top,
                                     int width)
{
    auto* b = Controls::make<QPushButton>(parent, objectName, left, top, width, 375);
    b->setText(caption);
    return b;
}

QComboBox* NavigatorScreen::pickList(QWidget* parent, const char* objectName, int left, int top, int width)
{
    auto* combo = Controls::make<QComboBox>(parent, objectName, left, top, width, 315);
    combo->setEditable(false);
    return combo;
}

QDateEdit* NavigatorScreen::datePicker(QWidget* parent, const char* objectName, int left, int top, int width)
{
    return Controls::datePicker(parent, objectName, left, top, width);
}

void NavigatorScreen::linkRange(QCheckBox* box, const QList<QDateEdit*>& dates)
{
    for (QDateEdit* picker : dates)
        on(picker, &QDateEdit::dateChanged, [box] { box->setChecked(true); });
}

void NavigatorScreen::setDateQuietly(QDateEdit* picker, const QDate& date)
{
    const QSignalBlocker quiet(picker);
    picker->setDate(date);
}

void NavigatorScreen::printListed(const QString& permission, const std::function<void(const QList<qint64>&)>& print)
{
    if (!Refusal::check(permission, Refusal::kViewReport))
        return;
    if (vsfgMembers->dataRows() == 0)
        return;
    print(vsfgMembers->ids());
}
