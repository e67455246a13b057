#include "control/SafetyEvaluation.h"

#include "base/ClosingLimits.h"
#include "base/CurrentReadings.h"
#include "base/MainForm.h"
#include "base/SafetyState.h"
#include "control/BatteryWatch.h"
#include "control/RoofControl.h"

namespace zaq {

void SafetyEvaluation::check(bool passes, Label& rowLabel) {
    rowLabel.fontColour = passes ? colours::buttonText : colours::red;
    if (!passes) {
        p_.safety.openingPermitted = false;
    }
}

void SafetyEvaluation::evaluateLiveData() {
    p_.safety.unsafeHeld = false;
    evaluateSafety();
}

// In single precision, so that a rain limit of 30 passes 30.0 % and fails 30.1 %. A limit of 0
// has no special meaning: it fails as soon as the reading is above 0.
void SafetyEvaluation::evaluateSafety() {
    const CurrentReadings& r = p_.readings;
    const ClosingLimits& l = p_.limits;
    MainForm& m = p_.main;
    p_.safety.openingPermitted = true;

    check(static_cast<float>(l.rainPercent) >= static_cast<float>(r.rainSensorX10) * 0.1f,
          m.Llluvia);
    const float volts = static_cast<float>(r.supplyTenthsV) * 0.1f;
    check(volts >= l.supplyVolts, m.Lvfuente);
    p_.battery.watchSupply(r.supplyTenthsV * 0.1, l.supplyVolts);
    check(static_cast<float>(l.cloudPercent) >= static_cast<float>(r.cloudX10) * 0.1f, m.Lnubes);
    check(r.skyMagnitude >= l.skyMagnitude, m.Lmagnitud);
    check(static_cast<float>(l.windKmh) >= r.windKmh, m.Lanekmh);
    check(static_cast<float>(l.meanWindKmh) >= r.windMeanKmh, m.Label3);
    check(static_cast<float>(l.thermalWindKmh) >= r.windThermalKmh, m.Laneterm);
    if (p_.safety.unsafeHeld) {
        p_.safety.openingPermitted = false;
    }

    const bool permitted = p_.safety.openingPermitted;
    m.BBAbrirObs.fontColour = permitted ? colours::buttonText : colours::red;
    p_.safety.limitsExceeded = !permitted;
    p_.roof.autoRoofControl();
}

}  // namespace zaq
