#include "PickAgain.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>

PickAgain::PickAgain(QComboBox* combo) : QObject(combo), m_combo(combo)
{
    combo->installEventFilter(this);
    // The drop-down's frame, shown whichever way the list is opened.
    if (QWidget* popup = combo->view()->parentWidget())
        popup->installEventFilter(this);
    connect(combo, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index == m_before)
            emit picked();
    });
}

PickAgain* PickAgain::watch(QComboBox* combo)
{
    return new PickAgain(combo);
}

bool PickAgain::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::Wheel:
        if (watched == m_combo)
            m_before = m_combo->currentIndex();
        break;
    case QEvent::Show:
        if (watched != m_combo)
            m_before = m_combo->currentIndex();
        break;
    default:
        break;
    }
    return false;
}
