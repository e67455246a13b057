#pragma once

#include <array>

namespace zaq {

// The station's own maxima and minima of the day, as its last "(@01373)" answer gave them.
struct StationExtremes {
    enum Quantity {
        Temperature,
        Humidity,
        DewPoint,
        Cloud,
        RainSensor,
        Wind,
        MeanWind,
        ThermalWind,
        RainToday,
        PressureSea,
        PressureAbs,
        SkyBrightness,
        Daylight,
        Supply,
        kQuantities
    };

    std::array<float, kQuantities> max{};
    std::array<float, kQuantities> min{};
    // A maxima answer was converted; the extremes file's update lowers it.
    bool stationMaxReceived = false;
};

}  // namespace zaq
