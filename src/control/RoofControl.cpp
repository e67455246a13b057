#include "control/RoofControl.h"

#include "base/MainForm.h"
#include "base/MasterPc.h"
#include "base/RoofState.h"
#include "base/SafetyState.h"
#include "base/SettingsForm.h"
#include "station/CommandQueue.h"
#include "ui/Prompter.h"

namespace zaq {

// The roof button's font colour is the permission the last safety evaluation gave.
bool RoofControl::openingPermittedByButton() const {
    return p_.main.BBAbrirObs.fontColour == colours::buttonText;
}

void RoofControl::BBAbrirObsClick() {
    if (!commandingAllowed(p_.settings, p_.prompter)) {
        return;
    }
    // A second order within ten seconds is refused while opening is permitted.
    if (p_.safety.roofOrderHeld() && openingPermittedByButton()) {
        p_.main.BBAbrirObs.text = QStringLiteral("Esperar");
        return;
    }
    p_.safety.startRoofHoldOff();
    if (openForRoofButton(roofState(p_.main.PTecho))) {
        if (p_.prompter.ask(QStringLiteral("¿Confirma CIERRE del Techo?"))) {
            p_.queue.enqueueCommand("(X000)");
        }
    } else if (openingPermittedByButton()) {
        if (p_.prompter.ask(QStringLiteral("¿Confirma APERTURA del Techo?"))) {
            p_.queue.enqueueCommand("(X001)");
        }
    } else {
        p_.prompter.warn(openingRefusedText());
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

// A roof reported open in the second (yellow) state is not closed automatically. The command
// repeats at every evaluation until the roof panel changes.
void RoofControl::autoRoofControl() {
    if (!p_.settings.CBAperturaAuto.checked) {
        return;
    }
    const bool open = openForAutomation(roofState(p_.main.PTecho));
    if (!p_.safety.openingPermitted && open) {
        p_.queue.enqueueCommand("(X000)");
    }
    if (p_.safety.openingPermitted && !open) {
        p_.queue.enqueueCommand("(X001)");
    }
}

void RoofControl::TimerTechoTimer() {
    p_.main.Lindice.text = QString::number(p_.queue.count());
    p_.safety.countRoofHoldOff();
}

}  // namespace zaq
