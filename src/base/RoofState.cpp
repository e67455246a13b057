#include "base/RoofState.h"

namespace zaq {

RoofState roofState(const Panel& roofPanel) {
    if (roofPanel.colour == colours::skyBlue) {
        return RoofState::Open;
    }
    return roofPanel.colour == colours::yellow ? RoofState::SecondOpen : RoofState::Closed;
}

bool openForRoofButton(RoofState state) {
    return state != RoofState::Closed;
}

bool openForAutomation(RoofState state) {
    return state == RoofState::Open;
}

QString openingRefusedText() {
    return QStringLiteral("La apertura no es posible. Limites de seguridad superados.");
}

}  // namespace zaq
