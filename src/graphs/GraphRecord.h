#pragma once

#include <bit>
#include <cstddef>

namespace zaq {

// One minute of the 24-hour graphs. The layout is also the layout of "zaqgraf.hex": 104 bytes,
// little-endian, no padding.
struct GraphRecord {
    double date = 0;       // whole days since 1899-12-30
    double timeOfDay = 0;  // fraction of a day
    float temperature = 0;
    float humidity = 0;
    float dewPoint = 0;
    float cloudPercent = 0;
    float thermalCloud = 0;
    float rainPercent = 0;
    float windMean = 0;
    float windMax = 0;
    float windMin = 0;
    float windMean10 = 0;
    float thermalWind = 0;
    float directionCopy = 0;  // written by the refill only, never drawn or read
    float expectedRadiation = 0;
    float windDirection = 0;
    float rainGauge = 0;
    float reserved = 0;  // never written; stays with its slot
    float pressureSeaLevel = 0;
    float skyBrightness = 0;
    float limitingMagnitude = 0;
    float solarRadiation = 0;
    float pressureStation = 0;
    float thermalWindCopy = 0;  // written by the periodic processing, never drawn or read
};

static_assert(std::endian::native == std::endian::little, "zaqgraf.hex is little-endian");
static_assert(sizeof(GraphRecord) == 104);
static_assert(offsetof(GraphRecord, timeOfDay) == 8);
static_assert(offsetof(GraphRecord, temperature) == 16);
static_assert(offsetof(GraphRecord, windMean) == 40);
static_assert(offsetof(GraphRecord, expectedRadiation) == 64);
static_assert(offsetof(GraphRecord, reserved) == 76);
static_assert(offsetof(GraphRecord, pressureSeaLevel) == 80);
static_assert(offsetof(GraphRecord, pressureStation) == 96);
static_assert(offsetof(GraphRecord, thermalWindCopy) == 100);

}  // namespace zaq
