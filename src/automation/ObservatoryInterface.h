#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

namespace zaq {

class WeatherService;

inline constexpr const char* kObservatoryInterface = "zaq.Observatory";

// `zaq.Observatory` on /zaq/Weather: for clients beyond the trusted members of `IWeather` (the
// INDI drivers). The roof orders follow the network surfaces' safety rules and are refused with
// a `WeatherError`; the properties are read-only.
class ObservatoryInterface {
  public:
    explicit ObservatoryInterface(WeatherService& service) : service_(service) {}

    static QString interfaceXml();
    static bool hasProperty(const QString& name);
    QVariant read(const QString& name) const;
    QVariantMap readAll() const;
    // False for a name that is not one of its methods.
    bool call(const QString& method);

  private:
    QString roofStateName() const;

    WeatherService& service_;
};

}  // namespace zaq
