#include "ui/DateTimeText.h"

namespace zaq {

QString shortDateText(const QDate& date) {
    return QString::asprintf("%02d/%02d/%04d", date.day(), date.month(), date.year());
}

QString longTimeText(const QTime& time) {
    return QString::asprintf("%d:%02d:%02d", time.hour(), time.minute(), time.second());
}

QString timeText(const QDateTime& moment) {
    return shortDateText(moment.date()) + u' ' + longTimeText(moment.time());
}

QString paddedLongTimeText(const QTime& time) {
    QString text = longTimeText(time);
    if (text.indexOf(u':') == 1) {
        text.prepend(u'0');
    }
    return text;
}

}  // namespace zaq
