#include "ZaqSnapshot.h"

namespace zaq::indi {

std::vector<WeatherValue> weatherValues(const ZaqSnapshot& s) {
    if (!s.reached) {
        return {{"ZAQ_SAFE", 0}};
    }
    const bool safe = !s.stationSilent && s.safe;
    return {
        {"WEATHER_TEMPERATURE", s.temperature},
        {"WEATHER_HUMIDITY", s.humidity},
        {"WEATHER_DEWPOINT", s.dewPoint},
        {"WEATHER_PRESSURE", s.pressure},
        {"WEATHER_WIND_SPEED", s.windKmh},
        {"WEATHER_WIND_GUST", s.windGustKmh},
        {"WEATHER_WIND_DIRECTION", s.windDirection},
        {"WEATHER_CLOUD_COVER", s.cloudFraction * 100},
        {"WEATHER_SKY_QUALITY", s.skyMagnitude},
        {"WEATHER_SKY_TEMPERATURE", s.skyTemperature},
        {"WEATHER_RAIN", s.precipitation ? 1.0 : 0.0},
        {"ZAQ_SAFE", safe ? 1.0 : 0.0},
    };
}

RoofView roofView(const QString& roofState) {
    using Shutter = RoofView::Shutter;
    if (roofState == QLatin1String("open") || roofState == QLatin1String("open2")) {
        return {Shutter::Opened, false, false};
    }
    if (roofState == QLatin1String("closed")) {
        return {Shutter::Closed, true, false};
    }
    if (roofState == QLatin1String("opening")) {
        return {Shutter::Moving, true, true};
    }
    if (roofState == QLatin1String("closing")) {
        return {Shutter::Moving, false, true};
    }
    return {Shutter::Unknown, false, false};
}

}  // namespace zaq::indi
