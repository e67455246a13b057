#pragma once

#include <libindi/indiweather.h>

#include "ZaqBusClient.h"

namespace zaq::indi {

// "ZAQ Weather": the program's readings as INDI weather parameters, and its own verdict as the
// one critical parameter ZAQ_SAFE, so that WEATHER_STATUS is Alert exactly when ZAQ says unsafe.
class ZaqWeatherDriver final : public INDI::Weather {
  public:
    ZaqWeatherDriver();

    const char* getDefaultName() override { return "ZAQ Weather"; }
    bool initProperties() override;

  protected:
    bool Connect() override;
    bool Disconnect() override { return true; }
    IPState updateWeather() override;

  private:
    ZaqBusClient bus_;
    QString lastFailure_;
};

}  // namespace zaq::indi
