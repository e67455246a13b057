#pragma once

namespace zaq {

// Sky brightness in mag/arcsec² from the light-to-frequency sensor, in single precision. The
// base is 2.5, not Pogson's 2.512. A dead sensor (no positive ratio) reads 24.0.
float skyMagnitudeFromHz(float hz);

// The sensor frequency from the station's exponent digit and four-digit mantissa:
// m × 10^e × 0.001 Hz.
float skyFrequencyHz(int mantissa, int exponent);

}  // namespace zaq
