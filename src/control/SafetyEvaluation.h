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
    struct Deps {
        const CurrentReadings& readings;
        const ClosingLimits& limits;
        SafetyState& safety;
        MainForm& main;
        BatteryWatch& battery;
        RoofControl& roof;
    };

    explicit SafetyEvaluation(const Deps& deps) : p_(deps) {}

    // A live data message: it releases the unsafe mark of a silent station, then evaluates.
    void evaluateLiveData();
    // On the readings at hand; while the unsafe mark holds, opening stays not permitted.
    void evaluateSafety();

  private:
    void check(bool passes, Label& rowLabel);

    Deps p_;
};

}  // namespace zaq
