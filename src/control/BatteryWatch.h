#pragma once

namespace zaq {

// The battery watch that runs inside the supply check of the safety evaluation.
class BatteryWatch {
  public:
    virtual ~BatteryWatch() = default;
    virtual void watchSupply(double volts, double limit) = 0;
};

}  // namespace zaq
