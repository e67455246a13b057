#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

namespace zaq {

// Date and time texts of the station PC's Spanish locale.

// Short date "dd/MM/yyyy": 05/03/2015.
QString shortDateText(const QDate& date);
// Long time "H:mm:ss", hours without a leading zero: 9:07:21.
QString longTimeText(const QTime& time);
// Short date, a space, long time: the time text at the start of many lines.
QString timeText(const QDateTime& moment);
// A one-digit hour gets a leading "0": 9:05:00 becomes 09:05:00.
QString paddedLongTimeText(const QTime& time);

}  // namespace zaq
