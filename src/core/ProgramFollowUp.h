#pragma once

#include "station/StationHooks.h"

namespace zaq {

class LivePanel;
class SafetyEvaluation;

// What every live data message leads to in the program: the live panel, the safety
// evaluation, and the Parts built on them.
class ProgramFollowUp final : public LiveFollowUp {
  public:
    ProgramFollowUp(LivePanel& panel, SafetyEvaluation& safety) : panel_(panel), safety_(safety) {}

    void showSeaPressure() override;
    void showAbsolutePressure() override;
    void refreshLivePanel() override;
    void evaluateSafety() override;

  private:
    LivePanel& panel_;
    SafetyEvaluation& safety_;
};

}  // namespace zaq
