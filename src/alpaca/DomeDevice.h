#pragma once

#include "alpaca/AlpacaDevice.h"

namespace zaq {

class WeatherService;

// The roll-off roof as a dome with a shutter only: it opens and closes, nothing else moves.
class DomeDevice final : public AlpacaDevice {
  public:
    explicit DomeDevice(WeatherService& weather);

    QString typeName() const override { return QStringLiteral("Dome"); }
    QString deviceName() const override { return QStringLiteral("ZAQ Techo"); }
    QString description() const override;
    int interfaceVersion() const override { return 3; }

  private:
    int shutterStatus() const;
    bool slewing() const;
    AlpacaOutcome order(void (WeatherService::*checkedOrder)());

    WeatherService& weather_;
};

}  // namespace zaq
