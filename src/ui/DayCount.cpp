#include "ui/DayCount.h"

#include <cmath>

namespace zaq {
namespace {

constexpr qint64 kMsPerDay = 86'400'000;

QDate epochDate() {
    return QDate(1899, 12, 30);
}

}  // namespace

double toDayCount(const QDate& date) {
    return static_cast<double>(epochDate().daysTo(date));
}

double toDayCount(const QDateTime& moment) {
    return toDayCount(moment.date()) +
           static_cast<double>(moment.time().msecsSinceStartOfDay()) / kMsPerDay;
}

QDateTime fromDayCount(double dayCount) {
    // A count from a damaged file must not overflow the date arithmetic.
    constexpr double kLimit = 1e8;
    if (!std::isfinite(dayCount) || std::fabs(dayCount) > kLimit) {
        return QDateTime(epochDate(), QTime(0, 0));
    }
    const double whole = std::trunc(dayCount);
    qint64 ms = std::llround(std::fabs(dayCount - whole) * kMsPerDay);
    qint64 days = static_cast<qint64>(whole);
    if (ms >= kMsPerDay) {
        ms -= kMsPerDay;
        ++days;
    }
    return QDateTime(epochDate().addDays(days),
                     QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)));
}

}  // namespace zaq
