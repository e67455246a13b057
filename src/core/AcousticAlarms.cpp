#include "core/AcousticAlarms.h"

#include "base/ActivityLog.h"
#include "base/Clock.h"
#include "base/SafetyState.h"
#include "base/SettingsForm.h"
#include "base/StationFlags.h"
#include "control/SafetyEvaluation.h"
#include "core/SoundPlayer.h"
#include "ui/DateTimeText.h"

namespace zaq {

void AcousticAlarms::sound() {
    if (!p_.settings.CBAlarmaAcustica.checked) {
        return;
    }
    StationFlags& flags = p_.flags;
    if (flags.closingAlarm) {
        p_.sound.beep(2000, 500);
        // A player that fails ends this tick's alarm work; the beep has sounded.
        if (!p_.sound.play(p_.programDirectory + QStringLiteral("cierreauto.wav"))) {
            return;
        }
    }
    if (flags.noResponseAlarm || flags.supplyStopAlarm) {
        if (flags.supplyStopAlarm && !flags.supplyStopLogged) {
            p_.log.appendActivityLog(timeText(p_.clock.now()) +
                                     QStringLiteral(" STOP por Alimentacion ZAQ Muy Baja."));
            flags.supplyStopLogged = true;
        }
        p_.safety.markUnsafe();
        p_.safetyEvaluation.evaluateSafety();
        p_.sound.beep(1000, 1000);
        p_.sound.play(p_.programDirectory + QStringLiteral("zaqoff.wav"));
    }
}

}  // namespace zaq
