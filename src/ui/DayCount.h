#pragma once

#include <QDateTime>

namespace zaq {

// Date-times as day counts since 1899-12-30 00:00, the time of day as the fraction.
double toDayCount(const QDateTime& moment);
double toDayCount(const QDate& date);
// The whole part is the date, the absolute fraction the time of day, rounded to the millisecond.
QDateTime fromDayCount(double dayCount);

}  // namespace zaq
