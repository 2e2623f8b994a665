#pragma once

#include "NavigatorGrid.h"

#include "shell/Screen.h"

#include <QDate>
#include <QList>
#include <functional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QPushButton;

// What sets one navigator apart from another in the shared frame.
struct NavigatorSettings {
    int idColumn = 0;        // the grid column holding the person's ID
    QList<int> checkColumns; // columns of check boxes the user may tick; every other cell is read-only
    bool showCount = true;   // the grid frame's caption becomes countText and the number of rows found
    QString countText;
    bool banded = false; // every second data row on a grey ground
};

// The search screens' shared frame: a criteria frame of fixed size over a grid frame that follows the window,
// a grid filled whole on every search, and a double-click that opens the person on the member screen.
class NavigatorScreen : public Screen {
    Q_OBJECT
public:
    QGroupBox* Frame1;
    QGroupBox* Frame2;
    NavigatorGrid* vsfgMembers;

    const NavigatorSettings& settings() const { return m_settings; }

    // Opens the person of a data row on the member screen, for a user who may open that screen; the heading or an
    // empty grid does nothing.
    void vsfgMembers_DblClick(int row);

    // Replaces a list's entries with fixed texts, or with the first column of a query; no selection, no signal.
    static void fillFixed(QComboBox* combo, const QStringList& texts);
    static void fillTexts(QComboBox* combo, const QString& sql);

protected:
    explicit NavigatorScreen(NavigatorSettings settings, QWidget* parent = nullptr);

    // Both frames at their designed places, in twips; the grid frame's caption until the first search.
    void buildFrames(const QRect& frame1, const QString& frame2Caption, const QRect& frame2);
    // At the top left of the main window's work area, 0.9 of its height high and the given width wide.
    void placeOnLoad(int widthTwips);
    // The grid frame and grid take the window's width and the height below the criteria frame.
    void Form_Resize();
    void resizeEvent(QResizeEvent* event) override;

    // A search's result: the headings over the rows, and the count in the grid frame's caption. Each row's
    // cells leave out the ID column, which shows the row's ID.
    void showResults(const QStringList& headings, QList<NavigatorRow> rows);
    // The grid without rows or headings; the caption keeps its last count.
    void clearGrid();

    // "January" to "December", for the birthday and anniversary month lists.
    static const QStringList& monthNames();
    // A pick list the user cannot type into, left without a selection.
    static QComboBox* pickList(QWidget* parent, const char* objectName, int left, int top, int width);
    // A criteria text box that selects its text on focus.
    static QLineEdit* textBox(QWidget* parent, const char* objectName, int left, int top, int width);
    static QPushButton* button(QWidget* parent, const char* objectName, const QString& caption, int left, int top,
                               int width);
    // A date picker shown as M/d/yyyy with a calendar drop-down.
    static QDateEdit* datePicker(QWidget* parent, const char* objectName, int left, int top, int width);
    // The user's change of either date ticks the range's box; dates set by code never do.
    void linkRange(QCheckBox* box, const QList<QDateEdit*>& dates);
    static void setDateQuietly(QDateEdit* picker, const QDate& date);

    // The steps of every print button: the right first (a refusal even on an empty grid), then nothing when the
    // grid holds no person, then the listed IDs in grid order.
    void printListed(const QString& permission, const std::function<void(const QList<qint64>&)>& print);

private:
    NavigatorSettings m_settings;
};
