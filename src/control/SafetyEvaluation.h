#pragma once

namespace zaq {

class BatteryWatch;
class RoofControl;
struct ClosingLimits;
struct CurrentReadings;
struct Label;
struct MainForm;
struct SafetyState;

// The PC's own verdict on opening the roof: each closing limit against its reading, in order;
// the row label of every reading past its limit turns red.
class SafetyEvaluation {
  public:
    struct Parts {
        const CurrentReadings& readings;
        const ClosingLimits& limits;
        SafetyState& safety;
        MainForm& main;
        BatteryWatch& battery;
        RoofControl& roof;
    };

    explicit SafetyEvaluation(const Parts& parts) : p_(parts) {}

    void evaluateSafety();

  private:
    void check(bool passes, Label& rowLabel);

    Parts p_;
};

}  // namespace zaq
