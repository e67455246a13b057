#pragma once

#include <QDateTime>

namespace zaq {

// The PC clock: local date and time, and a millisecond tick that only moves forward.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    virtual qint64 tickMs() const = 0;
};

class SystemClock final : public Clock {
  public:
    SystemClock();
    QDateTime now() const override;
    qint64 tickMs() const override;

  private:
    qint64 start_;
};

}  // namespace zaq
