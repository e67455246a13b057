#pragma once

namespace zaq {

// The battery watch that runs inside the supply check of the safety evaluation. It does nothing
// until its Part is connected.
class BatteryWatch {
  public:
    virtual ~BatteryWatch() = default;
    virtual void watchSupply(double volts, double limit) {
        (void)volts;
        (void)limit;
    }
};

}  // namespace zaq
