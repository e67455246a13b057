#pragma once

namespace zaq {

// The battery watch that runs inside the supply check of the safety evaluation. Until the low-
// battery shutdown is built it watches nothing.
class BatteryWatch {
  public:
    virtual ~BatteryWatch() = default;
    virtual void watchSupply(double volts, double limit) {
        (void)volts;
        (void)limit;
    }
};

}  // namespace zaq
