#include "core/MainTimers.h"

#include "base/MainForm.h"
#include "base/MessagesList.h"
#include "base/SettingsForm.h"
#include "base/StationFlags.h"
#include "control/RoofControl.h"
#include "core/AcousticAlarms.h"
#include "core/ProgramHooks.h"
#include "core/StartupSequence.h"
#include "station/CommandQueue.h"
#include "station/StationLink.h"

namespace zaq {

MainTimers::MainTimers(const Deps& deps) : p_(deps) {
    pump_.setInterval(100);
    presence_.setInterval(4000);
    minute_.setInterval(60000);
    roofTimer_.setInterval(1000);
    QObject::connect(&pump_, &QTimer::timeout, [this] { tick100ms(); });
    QObject::connect(&presence_, &QTimer::timeout, [this] { tick4s(); });
    QObject::connect(&minute_, &QTimer::timeout, [this] { tick60s(); });
    QObject::connect(&roofTimer_, &QTimer::timeout, [this] { tick1s(); });
}

void MainTimers::start() {
    lateness_.start();
    pump_.start();
    presence_.start();
    minute_.start();
    roofTimer_.start();
}

void MainTimers::tick100ms() {
    lateness_.tick();
    p_.link.pumpTick();
}

void MainTimers::tick1s() {
    p_.roof.TimerTechoTimer();
    p_.duties.settleLinkSpeed();
    p_.duties.refreshSummary();
}

void MainTimers::tick4s() {
    p_.link.presenceTick();
    p_.duties.showSunAltitude();
    if (!p_.flags.startupDone) {
        p_.startup.run();
    }
    p_.alarms.sound();
    if (p_.queue.count() > kQueueResetAbove) {
        p_.queue.clear();
        p_.messages.addMessage(QStringLiteral("Reiniciado Buffer de Envio."));
    }
}

void MainTimers::tick60s() {
    p_.flags.minuteFlag = true;
    if (p_.main.window.visible && ++visibleMinutes_ % 5 == 0) {
        p_.main.window.focus(QStringLiteral("BMensajes"));
    }
    p_.duties.updateExtremes();
    p_.duties.startCameraCycles();
    p_.duties.writeBanner();
    p_.duties.writeChartImages();
    countDataFileMinutes();
}

// "Cada Minuto" is read at every tick: a line every minute, or every fifth.
void MainTimers::countDataFileMinutes() {
    const int every = p_.settings.CB1minuto.checked ? 1 : 5;
    if (++dataFileMinutes_ >= every) {
        dataFileMinutes_ = 0;
        p_.duties.writeMonthlyDataLine();
    }
}

}  // namespace zaq
