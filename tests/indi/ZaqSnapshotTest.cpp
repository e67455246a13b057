#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "ZaqSnapshot.h"

namespace zaq::indi {
namespace {

std::map<std::string, double> valuesOf(const ZaqSnapshot& s) {
    std::map<std::string, double> values;
    for (const WeatherValue& v : weatherValues(s)) {
        values[v.name] = v.value;
    }
    return values;
}

ZaqSnapshot reachedAndSafe() {
    ZaqSnapshot s;
    s.reached = true;
    s.safe = true;
    s.stationSilent = false;
    s.cloudFraction = 0.25;
    s.precipitation = true;
    s.windKmh = 13;
    return s;
}

// ZAQ_SAFE is 1 only when the program was reached, hears the station and says safe; an
// unreached program gives nothing else, so the last readings stay shown.
TEST(ZaqSnapshotTest, TheCriticalParameterIsZaqsOwnVerdict) {
    const auto safe = valuesOf(reachedAndSafe());
    EXPECT_EQ(safe.at("ZAQ_SAFE"), 1);
    EXPECT_EQ(safe.at("WEATHER_CLOUD_COVER"), 25);
    EXPECT_EQ(safe.at("WEATHER_RAIN"), 1);
    EXPECT_EQ(safe.at("WEATHER_WIND_SPEED"), 13);
    EXPECT_TRUE(std::isnan(safe.at("WEATHER_SKY_TEMPERATURE")));

    ZaqSnapshot silent = reachedAndSafe();
    silent.stationSilent = true;
    EXPECT_EQ(valuesOf(silent).at("ZAQ_SAFE"), 0);
    ZaqSnapshot unsafe = reachedAndSafe();
    unsafe.safe = false;
    EXPECT_EQ(valuesOf(unsafe).at("ZAQ_SAFE"), 0);
    ZaqSnapshot unreached = reachedAndSafe();
    unreached.reached = false;
    EXPECT_EQ(valuesOf(unreached), (std::map<std::string, double>{{"ZAQ_SAFE", 0}}));
}

struct RoofCase {
    const char* state;
    RoofView::Shutter shutter;
    bool parked;
    bool moving;
};

class RoofViewTest : public ::testing::TestWithParam<RoofCase> {};

// Parked is closed; a roof on its way keeps the park state it is leaving.
TEST_P(RoofViewTest, ShowsTheRoofAsARollOffRoof) {
    const RoofView view = roofView(QString::fromLatin1(GetParam().state));
    EXPECT_EQ(view.shutter, GetParam().shutter);
    EXPECT_EQ(view.parked, GetParam().parked);
    EXPECT_EQ(view.moving, GetParam().moving);
}

using S = RoofView::Shutter;
INSTANTIATE_TEST_SUITE_P(States, RoofViewTest,
                         ::testing::Values(RoofCase{"open", S::Opened, false, false},
                                           RoofCase{"open2", S::Opened, false, false},
                                           RoofCase{"closed", S::Closed, true, false},
                                           RoofCase{"opening", S::Moving, true, true},
                                           RoofCase{"closing", S::Moving, false, true},
                                           RoofCase{"unknown", S::Unknown, false, false},
                                           RoofCase{"", S::Unknown, false, false}),
                         [](const auto& info) { return "State" + std::to_string(info.index); });

}  // namespace
}  // namespace zaq::indi
