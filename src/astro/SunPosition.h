#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

namespace zaq {

class Clock;
class Prompter;
struct Configuration;
struct MainForm;
struct MessagesForm;
struct SettingsForm;

// The values of one evaluation, degrees throughout.
struct SunPosition {
    double rightAscension = 0;
    double declination = 0;
    float siderealTime = 0;
    double hourAngle = 0;
    double altitude = 0;
};

// Where the sun stands for the observatory's site, from the low-accuracy solar theory (mean
// longitude and anomaly, equation of centre, mean obliquity) and the short sidereal-time
// formula, with the constants this program has always used: the 3° added to the hour angle and
// the longitude that enters it twice are part of what the graphs were made with.
class SunCalculator {
  public:
    struct Deps {
        const SettingsForm& settings;
        MessagesForm& messages;
        MainForm& main;
        const Configuration& config;
        const Clock& clock;
        Prompter& prompter;
    };

    explicit SunCalculator(const Deps& deps) : p_(deps) {}

    // The altitude for a local instant; writes LAR, LDEC and LHS. Empty (and nothing written)
    // when a site field is not a number, which is reported.
    std::optional<double> computeSunPosition(const QDateTime& local);
    std::optional<SunPosition> sunPosition(const QDateTime& local);
    // Days from the epoch J2000.0 (in UT) to the PC clock's local time now.
    double daysSinceEpoch() const;
    // θ for a UT instant (a day count) and a signed longitude.
    float localSiderealTime(double utDayCount, double longitude) const;
    // Clear-sky global radiation in W/m² for a local instant; 0 with the sun below the horizon.
    std::optional<double> expectedClearSkyRadiation(const QDateTime& local);

    // The 4-second tick's "LAlturaSol": three characters of the altitude and "º".
    void showSunAltitude();

  private:
    struct Site {
        double latitude;
        double longitude;
        int hoursFromUt;
    };
    std::optional<Site> readSite();
    void showLabels(const SunPosition& sun);

    Deps p_;
    QString lastReported_;
};

}  // namespace zaq
