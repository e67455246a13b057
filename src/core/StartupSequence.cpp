#include "core/StartupSequence.h"

#include "base/ActivityLog.h"
#include "base/Clock.h"
#include "base/Configuration.h"
#include "base/MainForm.h"
#include "base/MasterPc.h"
#include "base/MessagesList.h"
#include "base/SettingsForm.h"
#include "base/StationFlags.h"
#include "station/ClientSocketZAQ.h"
#include "station/CommandQueue.h"
#include "station/SerialLink.h"
#include "station/StationHooks.h"
#include "station/StationLink.h"
#include "ui/DateTimeText.h"

namespace zaq {

void StartupSequence::both(const QString& line) {
    p_.messages.addMessage(line);
    p_.log.appendActivityLog(line);
}

// The queue is a stack: the station receives "(y)" first, then "(@t0000)", then "(@01373)".
void StartupSequence::run() {
    p_.periodicProcessing.runPeriodicProcessing();
    p_.main.window.focus(QStringLiteral("PIndicadores"));
    p_.queue.enqueueCommand("(@01373)");
    p_.log.appendActivityLog(QStringLiteral("-------- Inicio del programa --------"));
    p_.flags.startupDone = true;
    p_.messages.addMessage(timeText(p_.clock.now()));
    if (p_.config.acousticAlarm) {
        both(QStringLiteral("Alarma Acustica Habilitada."));
    }
    if (p_.config.networkMode) {
        openNetwork();
    } else {
        openSerialLine();
    }
    reportOptions();
    p_.messages.addMessage(QStringLiteral("     "));
    p_.queue.enqueueCommand("(y)");
}

void StartupSequence::openNetwork() {
    p_.messages.addMessage(QStringLiteral("Habilitada Comunicacion Ethernet."));
    p_.log.appendActivityLog(QStringLiteral("Puerto Serie Deshabilitado."));
    p_.serial.closeSerial();
    p_.link.checkStation();
    both(QStringLiteral("Red Configurada en: ") + p_.config.stationAddress +
         QStringLiteral(" Puerto: ") + p_.config.stationPort);
    if (p_.link.stationDetected()) {
        p_.link.connectStation();
        both(QStringLiteral("Dispositivo de Red detectado OK "));
    } else {
        both(QStringLiteral("Dispositivo de Red NO detectado"));
    }
}

void StartupSequence::openSerialLine() {
    if (p_.client.active()) {
        p_.client.close();
    }
    both(QStringLiteral("Datos por Puerto Serie."));
    p_.serial.closeSerial();
    p_.serial.openSerial(9);
    QString text = QStringLiteral("Puerto Serie COM:") + QString::number(p_.config.serialPort);
    if (!p_.serial.serialOpenOk()) {
        p_.messages.showMessagesWindow();
        text += QStringLiteral(" NO DISPONIBLE - Deshabilitado PC Master");
        p_.main.LRx.fontColour = colours::red;
    }
    both(text);
}

void StartupSequence::reportOptions() {
    if (p_.config.tx20) {
        both(QStringLiteral("Seleccionado Anemometro TX20."));
    }
    if (p_.config.wmr968Messages) {
        both(QStringLiteral("Activados Mensajes Compatibles WMR968."));
    }
    if (p_.config.autoShutdown) {
        both(QStringLiteral("Habilitado Apagado Automatico por Bateria Baja."));
    }
    if (!isMasterPc(p_.settings)) {
        p_.messages.addMessage(QStringLiteral("Este PC no es Master, solo escucha."));
        p_.log.appendActivityLog(QStringLiteral("PC no Master, solo escucha."));
    }
    if (p_.config.reloadGraphs) {
        p_.queue.enqueueCommand("(@t0000)");
        p_.messages.addMessage(QStringLiteral("Autorecarga de graficos 24h al inicio."));
    }
}

}  // namespace zaq
