#include "core/PumpLateness.h"

#include <algorithm>
#include <utility>

namespace zaq {

void PumpLateness::tick() {
    if (sinceTick_.isValid()) {
        worstMs_ = std::max(worstMs_, sinceTick_.restart() - kPeriodMs);
    } else {
        sinceTick_.start();
    }
}

qint64 PumpLateness::takeWorstMs() {
    return std::exchange(worstMs_, 0);
}

}  // namespace zaq
