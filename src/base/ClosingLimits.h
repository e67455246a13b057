#pragma once

namespace zaq {

// The PC's copy of the station's closing limits, loaded from the configuration file. The dew
// margin and the PC wait are the station's own business and are not evaluated here.
struct ClosingLimits {
    int rainPercent = 0;
    int cloudPercent = 0;
    float skyMagnitude = 0;
    int windKmh = 0;
    int meanWindKmh = 0;
    int thermalWindKmh = 0;
    float supplyVolts = 0;
    int dewMarginC = 0;
    int pcWaitSeconds = 0;
};

}  // namespace zaq
