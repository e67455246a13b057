#pragma once

namespace zaq {

// The site of the observatory: signed degrees (north and east positive) and the PC clock's
// hours from UT.
struct Site {
    double latitude;
    double longitude;
    int hoursFromUt;
};

// The values of one evaluation, degrees throughout.
struct SunPosition {
    double rightAscension = 0;
    double declination = 0;
    float siderealTime = 0;
    double hourAngle = 0;
    double altitude = 0;
};

// Where the sun stands, from the low-accuracy solar theory (mean longitude and anomaly,
// equation of centre, mean obliquity) and the short sidereal-time formula, with the constants
// this program has always used: the 3° added to the hour angle and the longitude that enters it
// twice are part of what the graphs were made with. Times are day counts since 1899-12-30.

// Days from the epoch J2000.0 (in UT) to a local day count.
double daysSinceEpoch(double localDayCount);
// θ for a UT instant and a signed longitude; d is the days since the epoch of the PC clock now.
float localSiderealTime(double d, double utDayCount, double longitude);
// The sun for a local instant at the site; d as for the sidereal time.
SunPosition sunPositionAt(double localDayCount, const Site& site, double d);
// Clear-sky global radiation in W/m² for a sun altitude on a day of the year, at a height in
// metres; 0 with the sun below the horizon.
double clearSkyRadiation(double altitude, int month, int dayOfYear, double heightM);

}  // namespace zaq
