#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "InProcessRun.h"
#include "support/QtPrinters.h"

namespace zaq::test {
namespace {

using ::testing::Contains;

// The settings window's station side against the simulated station: "Leer" of both groups, a
// rain limit saved, and the station closing its roof by that limit.
class StationSettingsE2ETest : public InProcessRun {
  protected:
    void SetUp() override {
        start("at 0s rain 0\nat 0s roof A\nat 25s rain 10\n", [](AppContext& app) {
            ClosingLimits& l = app.config.limits;
            l.rainPercent = l.cloudPercent = 100;
            l.windKmh = l.meanWindKmh = l.thermalWindKmh = 250;
        });
    }
    SettingsForm& f() { return t->app.settingsForm; }
    // The station answers "(i)" with the limit and the offset, never the gain.
    bool allWhite(const std::vector<StationSettings::Row>& rows) {
        for (const auto& row : rows) {
            if (row.edit == &SettingsForm::EGMagV) {
                continue;
            }
            const Control& c = row.box ? static_cast<const Control&>(f().*row.box)
                                       : static_cast<const Control&>(f().*row.edit);
            if (c.colour != colours::window) {
                return false;
            }
        }
        return true;
    }
};

TEST_F(StationSettingsE2ETest, ReadFillsBothGroupsAndASavedRainLimitClosesTheRoof) {
    StationSettings& s = t->app.stationSettings;
    ASSERT_TRUE(waitUntil([&] { return t->app.readings.roofLetter == 'A'; }, 8000));
    s.BLeerClick();
    s.BLeerOffsetsClick();
    ASSERT_TRUE(waitUntil(
        [&] {
            return allWhite(StationSettings::limitRows()) &&
                   allWhite(StationSettings::calibrationRows());
        },
        20000))
        << simLog.toStdString();
    EXPECT_EQ(f().ELimiteLluvia.text, "30");
    EXPECT_EQ(f().ELimiteFuente.text, "10,5");
    EXPECT_EQ(f().EAltura_Bar.text, "620");
    EXPECT_EQ(f().EKPluvio.text, "124");

    // A rain limit of 5 %, marked and saved.
    f().ELimiteLluvia.text = "5";
    StationSettings::toggleMark(f().ELimiteLluvia);
    s.BGrabarClick();
    const qint64 saved = clock.elapsed();
    // The station's log line may come a moment after its echo has been handled.
    ASSERT_TRUE(waitUntil(
        [&] {
            return t->logEntries().contains("Nuevo Limite Lluvia (L005) ") &&
                   received("(L005)") > 0;
        },
        saved + 15000))
        << simLog.toStdString();
    ConfigImage reread;
    Configuration stored;
    ConfigFile(t->app.configFile.path(), reread, stored).loadConfiguration();
    EXPECT_EQ(stored.limits.rainPercent, 5);
    EXPECT_EQ(t->app.config.limits.rainPercent, 5);

    ASSERT_LT(clock.elapsed(), 25000) << "saved after the rain began";

    // Rain of 10 % passes the station's new limit of 5: it closes and names the measurement.
    ASSERT_TRUE(waitUntil([&] { return sent("(l010)") > 0; }, 40000)) << simLog.toStdString();
    EXPECT_TRUE(waitUntil([&] { return t->app.readings.roofLetter == 'C'; }, 45000))
        << simLog.toStdString();
}

}  // namespace
}  // namespace zaq::test
