#include "control/RoofControl.h"

#include "base/SafetyState.h"
#include "base/MainForm.h"
#include "base/SettingsForm.h"
#include "station/CommandQueue.h"
#include "ui/Prompter.h"

namespace zaq {
namespace {
constexpr int kHoldOffEnd = 10;
}

bool RoofControl::roofOpen() const {
    const Colour c = p_.main.PTecho.colour;
    return c == colours::skyBlue || c == colours::yellow;
}

// The roof button's font colour is the permission the last safety evaluation gave.
bool RoofControl::openingPermittedByButton() const {
    return p_.main.BBAbrirObs.fontColour == colours::buttonText;
}

void RoofControl::BBAbrirObsClick() {
    if (!p_.settings.CBmaster.checked) {
        p_.prompter.warn(QStringLiteral("Solo recepcion. PC Master deshabilitado."));
        return;
    }
    // A second order within ten seconds is refused while opening is permitted.
    if (p_.safety.roofHoldOff < kHoldOffEnd && openingPermittedByButton()) {
        p_.main.BBAbrirObs.text = QStringLiteral("Esperar");
        return;
    }
    p_.safety.roofHoldOff = 0;
    if (roofOpen()) {
        if (p_.prompter.ask(QStringLiteral("¿Confirma CIERRE del Techo?"))) {
            p_.queue.enqueueCommand("(X000)");
        }
    } else if (openingPermittedByButton()) {
        if (p_.prompter.ask(QStringLiteral("¿Confirma APERTURA del Techo?"))) {
            p_.queue.enqueueCommand("(X001)");
        }
    } else {
        p_.prompter.warn(
            QStringLiteral("La apertura no es posible. Limites de seguridad superados."));
    }
}

void RoofControl::Ab1Click() {
    if (p_.prompter.ask(QStringLiteral(
            "¿Abrir Techo FORZANDO NIVELES? Debera cerrar manualmente al terminar"))) {
        p_.queue.enqueueCommand("(X007)");
    }
}

void RoofControl::CalentadorAUTOClick() {
    p_.queue.enqueueCommand("(S000)");
}
void RoofControl::CalentadorONClick() {
    p_.queue.enqueueCommand("(S005)");
}
void RoofControl::CalentadorOFFClick() {
    p_.queue.enqueueCommand("(S004)");
}
void RoofControl::TimerStatusClick() {
    p_.queue.enqueueCommand("(s)");
}

// The queue sends its newest entry first: the station gets "(s)" before "(S009)".
void RoofControl::TimerONClick() {
    p_.queue.enqueueCommand("(S009)");
    p_.queue.enqueueCommand("(s)");
    p_.main.PCalentar.text = QStringLiteral("Timer ON");
}

void RoofControl::TimerOFFClick() {
    p_.queue.enqueueCommand("(S008)");
}

// Only sky blue counts as open here: a roof reported open in the yellow state is not closed
// automatically. The command repeats at every evaluation until the roof panel changes.
void RoofControl::autoRoofControl() {
    if (!p_.settings.CBAperturaAuto.checked) {
        return;
    }
    const bool skyBlue = p_.main.PTecho.colour == colours::skyBlue;
    if (!p_.safety.openingPermitted && skyBlue) {
        p_.queue.enqueueCommand("(X000)");
    }
    if (p_.safety.openingPermitted && !skyBlue) {
        p_.queue.enqueueCommand("(X001)");
    }
}

void RoofControl::TimerTechoTimer() {
    p_.main.Lindice.text = QString::number(p_.queue.count());
    if (p_.safety.roofHoldOff < kHoldOffEnd) {
        ++p_.safety.roofHoldOff;
    }
}

}  // namespace zaq
