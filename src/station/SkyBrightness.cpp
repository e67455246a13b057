#include "station/SkyBrightness.h"

#include <cmath>

namespace zaq {

float skyMagnitudeFromHz(float hz) {
    constexpr float kDeadSensor = 24.0f;
    const float ratio = hz / 230.0f;
    if (!(ratio > 0.0f)) {
        return kDeadSensor;
    }
    const float magnitude = -std::log10(ratio * 1e-6f) / std::log10(2.5f);
    // A ratio so small that it underflows gives no magnitude either.
    if (!(magnitude >= 0.0f) || std::isinf(magnitude)) {
        return kDeadSensor;
    }
    return magnitude;
}

float skyFrequencyHz(int mantissa, int exponent) {
    return static_cast<float>(mantissa) * std::pow(10.0f, static_cast<float>(exponent)) * 0.001f;
}

}  // namespace zaq
