#include "core/ProgramFollowUp.h"

#include "control/LivePanel.h"
#include "control/SafetyEvaluation.h"

namespace zaq {

void ProgramFollowUp::showSeaPressure() {
    panel_.showSeaPressure();
}
void ProgramFollowUp::showAbsolutePressure() {
    panel_.showAbsolutePressure();
}
void ProgramFollowUp::refreshLivePanel() {
    panel_.refreshLivePanel();
}
void ProgramFollowUp::evaluateSafety() {
    safety_.evaluateSafety();
}

}  // namespace zaq
