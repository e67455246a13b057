#pragma once

#include <optional>
#include <vector>

#include "alpaca/AlpacaDevice.h"

namespace zaq {

class WeatherService;

// The station's readings in the units of the Alpaca interface, each from the last live message.
class ObservingConditionsDevice final : public AlpacaDevice {
  public:
    explicit ObservingConditionsDevice(WeatherService& weather);

    QString typeName() const override { return QStringLiteral("ObservingConditions"); }
    QString deviceName() const override { return QStringLiteral("ZAQ Condiciones"); }
    QString description() const override;
    int interfaceVersion() const override { return 2; }

  private:
    struct Sensor {
        QString name;  // as the interface spells it
        QString description;
        std::function<std::optional<double>()> value;  // none: the station has not sent it
    };

    void addSensors();
    const Sensor* sensor(const QString& lowerName) const;
    AlpacaOutcome read(const Sensor& sensor) const;
    AlpacaOutcome setAveragePeriod(const AlpacaCall& call) const;
    AlpacaOutcome bySensorName(const AlpacaCall& call, bool description) const;

    WeatherService& weather_;
    std::vector<Sensor> sensors_;
};

}  // namespace zaq
