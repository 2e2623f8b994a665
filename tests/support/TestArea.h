#pragma once

#include <QMdiArea>
#include <QString>

class QWidget;

// A main-window work area for screens under test: the registry opens screens in it. Closes them all at the end.
class TestArea {
public:
    TestArea();
    ~TestArea();
    QMdiArea* area() { return &m_area; }

private:
    QMdiArea m_area;
};

// Saves a picture of a widget as NAME.png into the folder named by KOV_GRAB_DIR, when that is set.
void grabIfAsked(QWidget* widget, const QString& name);
