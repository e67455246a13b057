#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <functional>

#include "alpaca/AlpacaApi.h"
#include "base/MasterPc.h"
#include "base/RoofState.h"
#include "support/StationText.h"
#include "support/TestContext.h"

namespace zaq::test {
namespace {

// The program's state and its Alpaca answers, read as JSON.
struct Alpaca {
    TestContext t;
    AlpacaApi api{t.app.weather};

    AlpacaApi::Reply send(bool put, const QString& path,
                          QList<QPair<QString, QString>> params = {}) {
        return api.handle({put, QStringLiteral("/api/v1/") + path, std::move(params)});
    }
    QJsonObject get(const QString& path) {
        return QJsonDocument::fromJson(send(false, path).body).object();
    }
    QJsonObject put(const QString& path, QList<QPair<QString, QString>> params = {}) {
        return QJsonDocument::fromJson(send(true, path, std::move(params)).body).object();
    }
    void connect(const QString& device) {
        put(device + QStringLiteral("/0/connected"), {{QStringLiteral("CONNECTED"), "True"}});
    }
};

int error(const QJsonObject& answer) {
    return answer.value(QStringLiteral("ErrorNumber")).toInt();
}

struct ConditionCase {
    const char* member;
    std::function<void(CurrentReadings&)> set;
    double expected;
};

class ObservingConditionsTest : public ::testing::TestWithParam<ConditionCase> {};

// Tenths divided, km/h to m/s, the absolute pressure, the floats at the station's resolution.
TEST_P(ObservingConditionsTest, GivesTheReadingInTheInterfacesUnits) {
    Alpaca a;
    a.connect(QStringLiteral("observingconditions"));
    a.t.app.readings.readingsValid = true;
    GetParam().set(a.t.app.readings);
    const QJsonObject answer =
        a.get(QStringLiteral("observingconditions/0/") + QLatin1String(GetParam().member));
    EXPECT_EQ(error(answer), 0) << answer.value("ErrorMessage").toString().toStdString();
    EXPECT_EQ(answer.value(QStringLiteral("Value")).toDouble(), GetParam().expected);
}

using R = CurrentReadings&;
INSTANTIATE_TEST_SUITE_P(
    Members, ObservingConditionsTest,
    ::testing::Values(ConditionCase{"temperature", [](R r) { r.temperatureX10 = 215; }, 21.5},
                      ConditionCase{"humidity", [](R r) { r.humidityX10 = 999; }, 99.9},
                      ConditionCase{"dewpoint", [](R r) { r.dewPointX10 = -128; }, -12.8},
                      ConditionCase{"pressure",
                                    [](R r) {
                                        r.pressureSeaX10 = 10132;
                                        r.pressureAbsX10 = 9397;
                                    },
                                    939.7},
                      ConditionCase{"cloudcover", [](R r) { r.cloudX10 = 1000; }, 100},
                      ConditionCase{"skyquality", [](R r) { r.skyMagnitude = 21.7f; }, 21.7},
                      ConditionCase{"windspeed", [](R r) { r.windKmh = 13.9f; }, 13.9 / 3.6},
                      ConditionCase{"windgust", [](R r) { r.windGustKmh = 36.0f; }, 10},
                      ConditionCase{"winddirection",
                                    [](R r) {
                                        r.windKmh = 0.4f;
                                        r.windDirectionDeg = 200;
                                    },
                                    200},
                      ConditionCase{"winddirection", [](R r) { r.windDirectionDeg = 200; }, 0},
                      ConditionCase{"skytemperature",
                                    [](R r) {
                                        r.skyTemperatureC = -12.3f;
                                        r.skyTemperatureValid = true;
                                    },
                                    -12.3}),
    [](const auto& info) { return std::string(info.param.member) + std::to_string(info.index); });

// Not connected, not yet sent, not measured: each its own error; the safety verdict is false.
TEST(AlpacaDevicesTest, AnswerWhatTheyCannotKnowWithTheirErrors) {
    Alpaca a;
    a.t.app.safety.openingPermitted = true;
    EXPECT_FALSE(a.get("safetymonitor/0/issafe").value("Value").toBool());
    EXPECT_EQ(error(a.get("observingconditions/0/temperature")), 0x407);
    EXPECT_EQ(error(a.get("dome/0/shutterstatus")), 0x407);

    a.connect("safetymonitor");
    a.connect("observingconditions");
    const auto bySensor = [&](const char* member, const char* sensor) {
        return QJsonDocument::fromJson(a.send(false,
                                              QLatin1String("observingconditions/0/") + member,
                                              {{"sensorname", sensor}})
                                           .body)
            .object();
    };

    EXPECT_TRUE(a.get("safetymonitor/0/issafe").value("Value").toBool());
    EXPECT_EQ(error(a.get("observingconditions/0/temperature")), 0x402);
    EXPECT_EQ(error(bySensor("timesincelastupdate", "")), 0x402);

    a.t.feed(exampleDataMessage());
    a.t.clock.advanceMs(2500);
    EXPECT_EQ(a.get("observingconditions/0/temperature").value("Value").toDouble(), 13.8);
    EXPECT_EQ(error(a.get("observingconditions/0/skytemperature")), 0x402);
    EXPECT_EQ(error(a.get("observingconditions/0/rainrate")), 0x400);
    EXPECT_EQ(error(a.get("observingconditions/0/starfwhm")), 0x400);
    EXPECT_EQ(bySensor("timesincelastupdate", "").value("Value").toDouble(), 2.5);
    EXPECT_EQ(bySensor("timesincelastupdate", "Humidity").value("Value").toDouble(), 2.5);
    EXPECT_EQ(error(bySensor("timesincelastupdate", "SkyBrightness")), 0x400);
    EXPECT_EQ(error(bySensor("sensordescription", "Niebla")), 0x401);
    EXPECT_EQ(a.send(false, "observingconditions/0/sensordescription").status, 400);

    EXPECT_EQ(error(a.put("observingconditions/0/averageperiod", {{"AveragePeriod", "0"}})), 0);
    EXPECT_EQ(error(a.put("observingconditions/0/averageperiod", {{"AveragePeriod", "1"}})), 0x401);
    EXPECT_EQ(
        a.send(true, "observingconditions/0/averageperiod", {{"AveragePeriod", "una"}}).status,
        400);

    a.t.app.mainForm.LRx.fontColour = colours::red;
    EXPECT_FALSE(a.get("safetymonitor/0/issafe").value("Value").toBool());
}

// The roof is refused on a listen-only PC and while the limits forbid opening, without a
// command queued; an accepted order is the roof's movement until the station reports it.
TEST(AlpacaDevicesTest, TheRoofIsRefusedUnlessPermittedAndMovesUntilReported) {
    Alpaca a;
    a.connect("dome");
    a.t.app.settingsForm.CBmaster.checked = false;
    a.t.app.safety.openingPermitted = true;
    for (const char* order : {"dome/0/openshutter", "dome/0/closeshutter"}) {
        const QJsonObject refused = a.put(order);
        EXPECT_EQ(error(refused), 0x40B) << order;
        EXPECT_EQ(refused.value("ErrorMessage").toString(), listenOnlyText()) << order;
    }
    a.t.app.settingsForm.CBmaster.checked = true;
    a.t.app.safety.openingPermitted = false;
    const QJsonObject unsafe = a.put("dome/0/openshutter");
    EXPECT_EQ(error(unsafe), 0x40B);
    EXPECT_EQ(unsafe.value("ErrorMessage").toString(), openingRefusedText());
    EXPECT_EQ(a.t.app.queue.count(), 0);

    const auto status = [&] { return a.get("dome/0/shutterstatus").value("Value").toInt(); };
    EXPECT_EQ(status(), 1);
    a.t.app.safety.openingPermitted = true;
    EXPECT_EQ(error(a.put("dome/0/openshutter")), 0);
    EXPECT_EQ(a.t.app.queue.top(), "(X001)");
    EXPECT_EQ(status(), 2);
    EXPECT_TRUE(a.get("dome/0/slewing").value("Value").toBool());
    a.t.feed("(X001)");
    EXPECT_EQ(status(), 2) << "the echo: opening";
    a.t.feed(withField(exampleDataMessage(), 1, "a"));
    EXPECT_EQ(status(), 0) << "reported open, in the second state";
    EXPECT_FALSE(a.get("dome/0/slewing").value("Value").toBool());

    // Open in either state is closed when asked, as it is reported open.
    a.t.app.queue.clear();
    EXPECT_EQ(error(a.put("dome/0/closeshutter")), 0);
    EXPECT_EQ(a.t.app.queue.top(), "(X000)");
    EXPECT_EQ(status(), 3);
    a.t.app.mainForm.LRx.fontColour = colours::red;
    EXPECT_EQ(status(), 4);
}

}  // namespace
}  // namespace zaq::test
