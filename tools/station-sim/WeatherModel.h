#pragma once

#include <QDateTime>
#include <QString>
#include <map>

namespace zaqsim {

// The quantities of the weather, in physical units.
struct Weather {
    double temperatureC = 0;
    double dewPointC = 0;
    double humidityPct = 0;
    double pressureSeaHpa = 0;
    double pressureAbsHpa = 0;
    double windKmh = 0;
    double windMeanKmh = 0;
    double thermalWindKmh = 0;
    double directionDeg = 0;
    double cloudPct = 0;
    double rainSensorPct = 0;
    double rainRateMmH = 0;
    double daylight = 0;  // W/m² as the station's light sensor gives it
    double skyMagnitude = 0;
    double supplyV = 0;
};

// A plausible day at the observatory: daily cycles of temperature and dew point, drifting
// pressure, gusty wind, a wandering vane, light following the sun. Every quantity is a function
// of the instant, so the last 24 hours can be rebuilt at start. A scenario can pin or ramp any
// quantity.
struct Site {
    double latitudeDeg = 40.4;
    double longitudeDeg = -3.7;
    double altitudeM = 620;
};

class WeatherModel {
  public:
    explicit WeatherModel(Site site = Site()) : site_(site) {}

    Weather at(const QDateTime& moment) const;
    // The same site without the scenario's values.
    WeatherModel withoutScenario() const { return WeatherModel(site_); }

    // Quantity names as the scenario writes them: temperature, dewpoint, humidity, pressure,
    // wind, meanwind, thermalwind, direction, cloud, rain, rainrate, daylight, sky, supply.
    static bool isQuantity(const QString& name);
    void set(const QString& name, double value);
    void ramp(const QString& name, double to, const QDateTime& from, const QDateTime& until);
    void release(const QString& name);

    double sunAltitudeDeg(const QDateTime& moment) const;

  private:
    struct Override {
        double from;
        double to;
        QDateTime start;
        QDateTime end;  // invalid: a fixed value
    };

    Weather natural(const QDateTime& moment) const;
    double overridden(const QString& name, double natural, const QDateTime& moment) const;
    void applyOverrides(Weather& w, const QDateTime& moment) const;

    Site site_;
    std::map<QString, Override> overrides_;
};

}  // namespace zaqsim
