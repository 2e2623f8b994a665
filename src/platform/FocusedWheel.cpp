#include "FocusedWheel.h"

#include <QEvent>
#include <QWidget>

namespace FocusedWheel {

namespace {
class Filter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Wheel || static_cast<QWidget*>(watched)->hasFocus())
            return false;
        event->ignore(); // handed on to the parent
        return true;
    }
};
} // namespace

void install(QWidget* box)
{
    // Without wheel focus, the wheel no longer gives the box the focus before it steps it.
    box->setFocusPolicy(Qt::StrongFocus);
    box->installEventFilter(new Filter(box));
}

} // namespace FocusedWheel
