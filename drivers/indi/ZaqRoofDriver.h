#pragma once

#include <libindi/indidome.h>

#include "ZaqBusClient.h"

namespace zaq::indi {

// "ZAQ Roof": the roll-off roof as an INDI dome with a shutter and parking (park = closed,
// unpark = open). Orders go through the program, which refuses them as it refuses every network
// client: the refusal is the property's Alert and the driver's message.
class ZaqRoofDriver final : public INDI::Dome {
  public:
    ZaqRoofDriver();

    const char* getDefaultName() override { return "ZAQ Roof"; }
    bool initProperties() override;
    bool updateProperties() override;

  protected:
    bool Connect() override { return true; }
    bool Disconnect() override { return true; }
    void TimerHit() override;
    IPState ControlShutter(ShutterOperation operation) override;
    IPState Park() override;
    IPState UnPark() override;

  private:
    IPState order(bool open);
    void showRoof();

    ZaqBusClient bus_;
};

}  // namespace zaq::indi
