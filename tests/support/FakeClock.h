#pragma once

#include "base/Clock.h"

namespace zaq::test {

// A clock the test sets and advances by hand.
class FakeClock final : public Clock {
  public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2015, 3, 5), QTime(9, 7, 21)))
        : now_(std::move(start)) {}

    QDateTime now() const override { return now_; }
    qint64 tickMs() const override { return tick_; }

    void set(const QDateTime& moment) { now_ = moment; }
    void advanceMs(qint64 ms) {
        now_ = now_.addMSecs(ms);
        tick_ += ms;
    }

  private:
    QDateTime now_;
    qint64 tick_ = 1;
};

}  // namespace zaq::test
