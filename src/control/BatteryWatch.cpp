#include "control/BatteryWatch.h"

#include "base/ActivityLog.h"
#include "base/Clock.h"
#include "base/CurrentReadings.h"
#include "base/MessagesList.h"
#include "base/SettingsForm.h"
#include "base/StationFlags.h"
#include "base/SystemShutdown.h"
#include "ui/DateTimeText.h"
#include "ui/NumberFormat.h"

namespace zaq {

void BatteryWatch::both(const QString& line) {
    p_.messages.addMessage(line);
    p_.log.appendActivityLog(line);
}

void BatteryWatch::watchSupply(double volts, double limit) {
    if (volts >= limit) {
        if (count_ > 0) {
            count_ = 0;
            p_.flags.closingAlarm = false;
        }
        return;
    }
    if (p_.settings.CBAutoShutDawn.checked && limit - 0.5 > volts) {
        countDown(volts);
    } else if (count_ > 0) {
        cancel();
    }
}

void BatteryWatch::countDown(double volts) {
    ++count_;
    if (count_ == kFirstWarning) {
        p_.flags.closingAlarm = true;
        p_.messages.showMessagesWindow();
        p_.messages.addMessage(QStringLiteral(" "));
        p_.messages.addMessage(timeText(p_.clock.now()) +
                               QStringLiteral(" Bateria Muy Baja, el PC se apagara en 3 minutos."));
        p_.messages.addMessage(QStringLiteral("Para detener el apagado desactivar AutoShutDown."));
    } else if (count_ == kLastWarning) {
        both(QStringLiteral("Bateria Muy Baja: ") + formatGeneral(volts) +
             QStringLiteral("v  En 1 minuto Apagado Automatico."));
    } else if (count_ >= kShutdown) {
        both(QStringLiteral("Apagando el PC por Bateria en: ") + formatGeneral(volts) +
             QStringLiteral("v"));
        if (p_.readings.rainTodayTenths * 0.1 > 0) {
            p_.writeRainSummary();
        }
        p_.shutdown.shutDown();
    }
}

void BatteryWatch::cancel() {
    count_ = 0;
    p_.flags.closingAlarm = false;
    if (p_.settings.CBAutoShutDawn.checked) {
        both(QStringLiteral("Bateria Recuperada, Cancelado Apagando Automatico del PC."));
    } else {
        p_.messages.addMessage(QStringLiteral("Desactivado Manual Apagando Automatico del PC."));
        p_.log.appendActivityLog(
            QStringLiteral("Apagando Automatico del PC Desactivado Manualmente."));
    }
}

}  // namespace zaq
