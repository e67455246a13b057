#include <gtest/gtest.h>

#include <QThread>

#include "core/PumpLateness.h"

namespace zaq::test {
namespace {

// A loop held up for 350 ms between two ticks shows as about 250 ms late, once: the next line
// of the journal starts again from nothing.
TEST(PumpLatenessTest, AHeldUpLoopIsReportedOnceAndEarlyTicksAreNotNegative) {
    PumpLateness lateness;
    lateness.start();
    QThread::msleep(350);
    lateness.tick();
    const qint64 late = lateness.takeWorstMs();
    EXPECT_GE(late, 245);
    EXPECT_LT(late, 1000);
    QThread::msleep(20);
    lateness.tick();
    EXPECT_EQ(lateness.takeWorstMs(), 0);
}

}  // namespace
}  // namespace zaq::test
