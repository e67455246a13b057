#include <gtest/gtest.h>

#include <csignal>

#include "E2eRun.h"

namespace zaq::test {
namespace {

struct SignalCase {
    const char* name;
    int signal;
    bool headless;
};

class QuitSignalsE2ETest : public ::testing::TestWithParam<SignalCase> {};

// The end of the session reaches the program as a signal: with its windows as without, it must
// end within a second, although the main window refuses a user's close.
TEST_P(QuitSignalsE2ETest, EndsTheProgramWithinASecond) {
    E2eRun run;
    run.startSimulator(false, {});
    run.writeConfiguration(false, 0, true);
    run.startZaq(run.ttyLink(), GetParam().headless);
    // The station has heard the start-up's first request: the timers run.
    run.runFor(12000, [&] { return !run.received().empty(); });
    ASSERT_FALSE(run.received().empty()) << "zaq never spoke to the station";
    const qint64 ms = run.signalZaq(GetParam().signal, 1000);
    EXPECT_GE(ms, 0) << GetParam().name << ": zaq still runs a second after the signal";
}

INSTANTIATE_TEST_SUITE_P(Signals, QuitSignalsE2ETest,
                         ::testing::Values(SignalCase{"WindowsTerm", SIGTERM, false},
                                           SignalCase{"WindowsInt", SIGINT, false},
                                           SignalCase{"WindowsHup", SIGHUP, false},
                                           SignalCase{"HeadlessTerm", SIGTERM, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zaq::test
