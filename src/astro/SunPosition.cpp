#include "astro/SunPosition.h"

#include <cmath>

namespace zaq {
namespace {

constexpr double kToRadians = 0.017453292519943295;
constexpr double kToDegrees = 57.29577951308232;
constexpr double kJulianOfDayZero = 2415018.5;  // 1899-12-30 00:00
constexpr double kJ2000 = 2451545.0;
// 2000-01-01 11:58:56 as a day count.
constexpr double kEpochDayCount = 36526.0 + (11 * 3600 + 58 * 60 + 56) / 86400.0;

double sinDeg(double x) {
    return std::sin(x * kToRadians);
}
double cosDeg(double x) {
    return std::cos(x * kToRadians);
}

// x − 360·trunc(x/360), then into 0…360.
double reduce(double x) {
    x -= 360.0 * std::trunc(x / 360.0);
    return x < 0 ? x + 360.0 : x;
}

double fraction(double dayCount) {
    return dayCount - std::floor(dayCount);
}

}  // namespace

double daysSinceEpoch(double localDayCount) {
    return localDayCount - kEpochDayCount;
}

// The reduction is done before the value is held in single precision, so the worked figures
// of the station PC come out to their last printed digit.
float localSiderealTime(double d, double utDayCount, double longitude) {
    double theta = d * 0.985647 + 100.46 + longitude + 360.0 * fraction(utDayCount);
    while (theta > 360.0) {
        theta -= 360.0;
    }
    return static_cast<float>(theta);
}

SunPosition sunPositionAt(double localDayCount, const Site& site, double d) {
    // Wall-clock arithmetic on the day count: on a daylight-saving change day the hours from UT
    // are the site's setting, not the clock's shift.
    const double ut = localDayCount - site.hoursFromUt / 24.0;
    const double T = (ut + kJulianOfDayZero - kJ2000) * (1.0 / 36525.0);
    const double L0 = reduce(280.46645 + 36000.76983 * T + 0.0003032 * T * T);
    const double M = reduce(357.5291 + 35999.0503 * T - 0.0001559 * T * T - 4.8e-7 * T * T * T);
    const double C = (1.9146 - 0.004817 * T - 0.000014 * T * T) * sinDeg(M) +
                     (0.019993 - 0.000101 * T) * sinDeg(2 * M) + 0.00029 * sinDeg(3 * M);
    const double trueLongitude = L0 + C;
    const double obliquity = 23.43929111111111 - 0.013004166666666666 * T -
                             1.638888888888889e-7 * T * T + 5.036111111111111e-7 * T * T * T;
    SunPosition sun;
    sun.rightAscension =
        std::atan2(cosDeg(obliquity) * sinDeg(trueLongitude), cosDeg(trueLongitude)) * kToDegrees;
    if (sun.rightAscension < 0) {
        sun.rightAscension += 360.0;
    }
    sun.declination = std::asin(sinDeg(obliquity) * sinDeg(trueLongitude)) * kToDegrees;
    sun.siderealTime = localSiderealTime(d, ut, site.longitude);
    sun.hourAngle = sun.siderealTime + site.longitude - sun.rightAscension + 3.0;
    if (sun.hourAngle < 0) {
        sun.hourAngle += 360.0;
    }
    sun.altitude =
        std::asin(sinDeg(site.latitude) * sinDeg(sun.declination) +
                  cosDeg(site.latitude) * cosDeg(sun.declination) * cosDeg(sun.hourAngle)) *
        kToDegrees;
    return sun;
}

double clearSkyRadiation(double altitude, int month, int dayOfYear, double heightM) {
    if (altitude < 0) {
        return 0.0;
    }
    const double A = heightM * 0.001;
    const bool summer = month >= 5 && month <= 8;
    const double r0 = summer ? 0.97 : 1.03;
    const double r1 = summer ? 0.99 : 1.01;
    const double rk = summer ? 1.02 : 1.00;
    const double z = 90.0 - altitude;
    const double a0 = r0 * (0.4237 - 0.00821 * (6 - A) * (6 - A));
    const double a1 = r1 * (0.5055 + 0.00595 * (6.5 - A) * (6.5 - A));
    const double k = rk * (0.2711 + 0.01858 * (2.5 - A) * (2.5 - A));
    const double beam = a0 + a1 * std::exp(-k / cosDeg(z));
    const double diffuse = 0.271 - 0.2939 * beam;
    const double extraterrestrial =
        1367.0 * (1 + 0.033 * std::cos(6.283185307179586 * dayOfYear * (1.0 / 365.0)));
    return cosDeg(z) * (beam + diffuse) * extraterrestrial;
}

}  // namespace zaq
