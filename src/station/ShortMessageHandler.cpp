#include "station/ShortMessageHandler.h"

#include "base/ActivityLog.h"
#include "base/Clock.h"
#include "base/CurrentReadings.h"
#include "base/MainForm.h"
#include "base/MessagesForm.h"
#include "base/MessagesList.h"
#include "base/ProgramVersion.h"
#include "base/SettingsForm.h"
#include "base/StationFlags.h"
#include "station/FieldReader.h"
#include "station/SettingEchoes.h"
#include "station/StationHooks.h"
#include "ui/DateTimeText.h"
#include "ui/Windows1252.h"

namespace zaq {
namespace {

constexpr qsizetype kRelayTextLength = 6;
constexpr qsizetype kRelayHourLength = 9;
constexpr float kSkyTemperatureLimit = 50.0f;

}  // namespace

QString ShortMessageHandler::timeText() const {
    return zaq::timeText(p_.clock.now());
}

void ShortMessageHandler::show(const QString& line) {
    if (!p_.messages.showControlMessages()) {
        p_.messages.addMessage(line);
    }
}

void ShortMessageHandler::showAndLog(const QByteArray& raw) {
    const QString text = decodeWindows1252(raw);
    show(text);
    p_.log.appendActivityLog(text);
}

void ShortMessageHandler::handleShortMessage(const QByteArray& raw, char charAfterParen) {
    p_.flags.stationSpoke = true;
    if (p_.messages.showControlMessages() && charAfterParen != ' ') {
        p_.messages.addMessage(decodeWindows1252(raw));
    }
    if (p_.flags.dumpInProgress) {
        p_.dump.handleDumpMessage(raw);
    }
    applyContentChain(raw);
    p_.messagesForm.Eterminal.colour = raw.contains("wait") ? colours::silver : colours::window;
    applyClockReply(raw);
    applyRelayText(raw);
    p_.echoes.applySettingEcho(raw);
}

// The first row whose pattern occurs in the text applies; later rows are not tried.
void ShortMessageHandler::applyContentChain(const QByteArray& raw) {
    if (raw.contains("Placa v2")) {
        show(timeText() + QStringLiteral(" ZAQ RESET"));
        p_.log.appendActivityLog(QStringLiteral("REINICIO de la Estacion"));
    } else if (raw.contains("Apagado")) {
        showAndLog(raw);
    } else if (raw.contains(">101")) {
        applySkyTemperature(raw);
    } else if (raw.contains("Cerrado")) {
        showAndLog(raw);
        p_.flags.closingAlarm = true;
    } else if (raw.contains("Calentadores") || raw.contains("Encendido")) {
        showAndLog(raw);
    } else if (raw.contains("Abrir Obs")) {
        show(timeText() + QStringLiteral(" Orden de Apertura"));
        p_.log.appendActivityLog(decodeWindows1252(raw));
    } else if (raw.contains("X001")) {
        p_.main.PTecho.colour = colours::skyBlue;
        p_.main.PTecho.text = QStringLiteral("Abriendo Obs.");
    } else if (raw.contains("X000")) {
        p_.main.PTecho.text = QStringLiteral("Cerrando Obs.");
    } else if (raw.contains("Cerrar Obs")) {
        show(timeText() + QStringLiteral(" Orden de Cierre"));
        p_.log.appendActivityLog(decodeWindows1252(raw));
    } else if (raw.contains("Timer ON") || raw.contains("Timer OFF")) {
        showAndLog(raw);
    } else if (raw.contains("Start Dump")) {
        p_.flags.dumpInProgress = true;
        showAndLog(raw);
    } else if (raw.contains("End Dump")) {
        p_.flags.dumpInProgress = false;
        showAndLog(raw);
    } else if (raw.contains("STOP Fuente")) {
        p_.flags.supplyStopAlarm = true;
        p_.messages.addMessage(timeText() + decodeWindows1252(raw));
    } else if (raw.contains("57K")) {
        p_.messagesForm.BVelocidad.text = QStringLiteral("57K6 bps");
    } else if (raw.contains("9K6")) {
        p_.messagesForm.BVelocidad.text = QStringLiteral("9K6 bps");
    }
}

// ">101 +12.3": the infrared sky temperature, five characters starting five after the '>'.
void ShortMessageHandler::applySkyTemperature(const QByteArray& raw) {
    const QByteArray value = raw.mid(raw.indexOf(">101") + 5, 5);
    const double celsius = readDecimal(value.constData(), static_cast<int>(value.size()));
    if (!(celsius > -kSkyTemperatureLimit && celsius < kSkyTemperatureLimit)) {
        return;
    }
    p_.readings.skyTemperatureC = static_cast<float>(celsius);
    p_.readings.skyTemperatureValid = true;
    p_.graphs.activateThermalCloudSeries();
    p_.main.PNubladosIR.text = u'(' + decodeWindows1252(value) + QStringLiteral("ºC)");
}

// The answer to "(y)", "(hh:mm:ss)", names the station and its clock in the main caption.
void ShortMessageHandler::applyClockReply(const QByteArray& raw) {
    if (raw.size() <= 6 || raw[3] != ':' || raw[6] != ':') {
        return;
    }
    p_.main.window.caption = QStringLiteral("  ZAQ ") + p_.settings.Eident.text +
                             QStringLiteral(" v") + programVersionText() + u' ' +
                             decodeWindows1252(raw.mid(1, 8));
}

void ShortMessageHandler::applyRelayHour(const QByteArray& raw, bool on) {
    const QString hhmm = decodeWindows1252(raw.mid(4, 2)) + u':' + decodeWindows1252(raw.mid(6, 2));
    if (on) {
        p_.main.Lhon.text = QStringLiteral("on:") + hhmm;
        p_.log.appendActivityLog(hhmm + QStringLiteral(" Hora de Rele ON"));
    } else {
        p_.main.Lhoraoff.text = QStringLiteral("off:") + hhmm;
        p_.log.appendActivityLog(hhmm + QStringLiteral(" Hora de Rele OFF"));
    }
}

// "(Son2215)", "(Sof2245)": the timer relay's hours; "(S005)" and its kind: the relay state.
void ShortMessageHandler::applyRelayText(const QByteArray& raw) {
    if (raw.size() < 2 || raw[1] != 'S') {
        return;
    }
    if (raw.size() == kRelayHourLength && (raw[3] == 'n' || raw[3] == 'f')) {
        applyRelayHour(raw, raw[3] == 'n');
        return;
    }
    if (raw.size() != kRelayTextLength) {
        return;
    }
    // The state is the last of the three characters after the letter: "(S005)" is relay on.
    const char state = raw[4];
    MainForm& main = p_.main;
    switch (state) {
        case '0':
        case '4':
        case '5':
            main.LFuncionRele.text = QStringLiteral(" ");
            main.Lhoraoff.text = QStringLiteral(" ");
            main.Lhon.text = QStringLiteral(" ");
            p_.log.appendActivityLog(state == '4' ? QStringLiteral("Rele OFF")
                                     : state == '5'
                                         ? QStringLiteral("Rele ON")
                                         : QStringLiteral("Rele en funcion Calentadores"));
            break;
        case '8':
            main.LFuncionRele.fontColour = colours::none;
            main.LFuncionRele.text = QStringLiteral("Timer STOP");
            p_.log.appendActivityLog(timeText() + QStringLiteral(" Timer STOP"));
            break;
        case '9':
            main.LFuncionRele.fontColour = colours::blue;
            main.LFuncionRele.text = QStringLiteral("Timer RUN");
            p_.log.appendActivityLog(timeText() + QStringLiteral(" Timer ON"));
            break;
        default:
            break;
    }
}

}  // namespace zaq
