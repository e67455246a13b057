#include "station/StationLink.h"

#include "base/ActivityLog.h"
#include "base/Clock.h"
#include "base/Configuration.h"
#include "base/MainForm.h"
#include "base/MasterPc.h"
#include "base/MessagesList.h"
#include "base/SafetyState.h"
#include "base/SettingsForm.h"
#include "base/StationFlags.h"
#include "station/ClientSocketZAQ.h"
#include "station/CommandQueue.h"
#include "station/Pinger.h"
#include "station/SerialLink.h"
#include "station/StationDispatcher.h"
#include "station/StationHooks.h"
#include "ui/DateTimeText.h"

namespace zaq {
namespace {
constexpr int kSerialBytesPerTick = 1000;
constexpr int kBlinkTicks = 2;
constexpr int kInternetCheckMinute = 56;
constexpr int kPingReportsForWatchdog = 3;
}  // namespace

bool StationLink::isMaster() const {
    return isMasterPc(p_.settings);
}

void StationLink::pumpTick() {
    showAutomationIndicator();
    blinkRx();
    readSerialInput();
    if (!isMaster()) {
        watchListenOnly();
    } else if (p_.queue.count() > 0) {
        pumpMaster();
    }
    p_.hooks.weatherDisplaySendCheck();
}

void StationLink::showAutomationIndicator() {
    p_.main.LledCOM.fontColour = p_.hooks.automationConnected() ? colours::green : colours::grey;
}

// "Rx" shines green for a few ticks after each message start; red means the station had stopped
// answering, so its return is reported.
void StationLink::blinkRx() {
    if (!p_.flags.rxBlink) {
        return;
    }
    ++blinkTicks_;
    Label& rx = p_.main.LRx;
    if (rx.fontColour == colours::red) {
        const QString line = timeText(p_.clock.now()) + QStringLiteral("  ZAQ responde OK");
        p_.messages.addMessage(line);
        p_.log.appendActivityLog(line);
    }
    rx.fontColour = colours::green;
    if (blinkTicks_ > kBlinkTicks) {
        p_.flags.rxBlink = false;
        blinkTicks_ = 0;
        rx.fontColour = colours::paleGreen;
    }
}

void StationLink::readSerialInput() {
    const QByteArray bytes = p_.serial.readWaiting(kSerialBytesPerTick);
    if (!bytes.isEmpty()) {
        p_.dispatcher.feedStationBytes(bytes.constData(), static_cast<int>(bytes.size()));
    }
}

void StationLink::watchListenOnly() {
    ++silenceTicks_;
    if (p_.flags.stationSpoke) {
        silenceTicks_ = 0;
        p_.flags.stationSpoke = false;
        p_.flags.noResponseAlarm = false;
    }
    if (silenceTicks_ > kSilenceTicks) {
        silenceTicks_ = 0;
        p_.queue.clear();
        if (p_.main.LRx.fontColour != colours::red) {
            p_.main.LRx.fontColour = colours::red;
            reportNoResponse();
        }
        if (p_.settings.CBAlarmaAcustica.checked) {
            p_.flags.noResponseAlarm = true;
        }
    }
}

// One queued command each time the station has spoken; with commands waiting and ten seconds of
// silence the queue is dropped and the start-up sequence reopens the transport.
void StationLink::pumpMaster() {
    p_.queue.cutTo(kMaxPending);
    ++silenceTicks_;
    if (p_.flags.stationSpoke) {
        p_.flags.stationSpoke = false;
        sendNow(p_.queue.top());
        p_.queue.pop();
        silenceTicks_ = 0;
        p_.flags.noResponseAlarm = false;
        return;
    }
    if (silenceTicks_ > kSilenceTicks) {
        p_.flags.stationSpoke = true;
        silenceTicks_ = 0;
        p_.queue.clear();
        if (p_.main.LRx.fontColour != colours::red) {
            reportNoResponse();
        }
        if (p_.settings.CBAlarmaAcustica.checked) {
            p_.flags.noResponseAlarm = true;
        }
        p_.main.LRx.fontColour = colours::red;
        p_.flags.startupDone = false;
    }
}

void StationLink::reportNoResponse() {
    const QString line = timeText(p_.clock.now()) + QStringLiteral("  ZAQ no responde");
    p_.messages.addMessage(line);
    p_.messages.showMessagesWindow();
    p_.log.appendActivityLog(line);
    p_.safety.markUnsafe();
    p_.hooks.writeCurrentDataFile();
}

void StationLink::sendNow(const QByteArray& text) {
    p_.serial.write(text);
    if (stationDetected_ && p_.client.connected()) {
        p_.client.send(text);
    }
}

bool StationLink::checkStation() {
    stationDetected_ = false;
    stationDetected_ = p_.pinger.ping(p_.config.stationAddress);
    return stationDetected_;
}

void StationLink::connectStation() {
    p_.client.connectTo(p_.config.stationAddress, p_.config.stationPort);
}

void StationLink::presenceTick() {
    if (!isMaster()) {
        return;
    }
    if (p_.config.networkMode && !stationDetected_) {
        checkStation();
    }
    if (!presenceAllowed()) {
        return;
    }
    if (++presenceCount_ >= kPresencePerExtremes) {
        presenceCount_ = 0;
        p_.queue.enqueueCommand("(@01373)");
    } else {
        p_.queue.enqueueCommand("( )");
    }
}

// The hourly Internet check: after a failed ping the presence is withheld, so that the watchdog
// of the station's display acts, until the station has reported three times.
bool StationLink::presenceAllowed() {
    if (!p_.settings.CBPingInternet.checked) {
        return true;
    }
    const QTime now = p_.clock.now().time();
    if (now.minute() == kInternetCheckMinute && now.hour() != lastCheckHour_) {
        lastCheckHour_ = now.hour();
        internetOk_ = p_.pinger.ping(p_.settings.EPingInternet.text);
        p_.main.LPing.text = internetOk_ ? QStringLiteral("OK") : QStringLiteral("Fallo");
    }
    if (!internetOk_ && p_.flags.pingFailCount >= kPingReportsForWatchdog) {
        p_.main.LPing.text = QStringLiteral("Espera");
        p_.log.appendActivityLog(QStringLiteral("Activado WatchDog LCD por Fallo de Ping"));
        p_.flags.pingFailCount = 0;
        internetOk_ = true;
    }
    return internetOk_;
}

}  // namespace zaq
