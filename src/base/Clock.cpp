#include "base/Clock.h"

#include <chrono>

namespace zaq {
namespace {

qint64 steadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

SystemClock::SystemClock() : start_(steadyMs()) {}

QDateTime SystemClock::now() const {
    return QDateTime::currentDateTime();
}

qint64 SystemClock::tickMs() const {
    return steadyMs() - start_ + 1;
}

}  // namespace zaq
