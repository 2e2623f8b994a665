#pragma once

#include <QDate>
#include <QDateTime>

// The one source of the time of day, so tests can hold it still or move it on.
namespace Clock {

QDateTime now();
QDate today();
// Seconds from an arbitrary start that never jump back (midnight, clock changes).
double monotonicSeconds();

// Test controls: hold the clock at a moment; move it on; return to the real clock.
void setFixed(const QDateTime& moment);
void advance(qint64 milliseconds);
void useRealClock();

} // namespace Clock
