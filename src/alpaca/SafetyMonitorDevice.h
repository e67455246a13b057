#pragma once

#include "alpaca/AlpacaDevice.h"

namespace zaq {

class WeatherService;

// The safety verdict: safe only while the client is connected, the station is heard and the
// closing limits permit opening.
class SafetyMonitorDevice final : public AlpacaDevice {
  public:
    explicit SafetyMonitorDevice(WeatherService& weather);

    QString typeName() const override { return QStringLiteral("SafetyMonitor"); }
    QString deviceName() const override { return QStringLiteral("ZAQ Seguridad"); }
    QString description() const override;
    int interfaceVersion() const override { return 3; }

  private:
    bool isSafe() const;

    WeatherService& weather_;
};

}  // namespace zaq
