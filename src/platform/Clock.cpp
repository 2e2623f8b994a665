#include "Clock.h"

#include <QElapsedTimer>

namespace Clock {

namespace {
struct State {
    bool fixed = false;
    QDateTime moment;
    qint64 fixedElapsedMs = 0;
    QElapsedTimer timer;
};

State& state()
{
    static State s;
    if (!s.timer.isValid())
        s.timer.start();
    return s;
}
} // namespace

QDateTime now()
{
    const State& s = state();
    return s.fixed ? s.moment : QDateTime::currentDateTime();
}

QDate today()
{
    return now().date();
}

double monotonicSeconds()
{
    const State& s = state();
    return (s.fixed ? s.fixedElapsedMs : s.timer.elapsed()) / 1000.0;
}

void setFixed(const QDateTime& moment)
{
    State& s = state();
    s.fixed = true;
    s.moment = moment;
    s.fixedElapsedMs = 1000000;
}

void advance(qint64 milliseconds)
{
    State& s = state();
    s.moment = s.moment.addMSecs(milliseconds);
    s.fixedElapsedMs += milliseconds;
}

void useRealClock()
{
    state().fixed = false;
}

} // namespace Clock
