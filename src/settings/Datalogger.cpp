#include "settings/Datalogger.h"

#include "base/Clock.h"
#include "base/Configuration.h"
#include "base/MasterPc.h"
#include "base/MessagesForm.h"
#include "base/MessagesList.h"
#include "base/StationFlags.h"
#include "station/CommandQueue.h"
#include "station/SerialLink.h"
#include "ui/Prompter.h"
#include "ui/UserNumber.h"

namespace zaq {
namespace {

constexpr int kFirstBlock = 1400;
constexpr int kBlocksPerDay = 7;

// The station's calendar: twelve months of 31 days.
int dayIndex(const QDate& date) {
    return 31 * (date.month() - 1) + date.day();
}

const QString kAt9600 = QStringLiteral("9K6 bps");
const QString kAt57600 = QStringLiteral("57K6 bps");
// A change to 57600 (or to 9600) not yet confirmed by the station.
const QString kTo57600 = QStringLiteral("?");
const QString kTo9600 = QStringLiteral("¿");

}  // namespace

void Datalogger::DTP1Change() {
    const QDate chosen = p_.form.DTP1.date;
    const QDate today = p_.clock.now().date();
    int days = 0;
    if (chosen <= today && chosen.year() == today.year()) {
        days = static_cast<int>(chosen.daysTo(today)) + 1;
    } else if (chosen <= today && chosen.year() == today.year() - 1) {
        days = 366 - chosen.dayOfYear();
    }
    p_.form.ENumDias.text = QString::asprintf("%03i", days);
}

void Datalogger::BDescargarClick() {
    if (!commandingAllowed(p_.settings, p_.prompter)) {
        return;
    }
    const auto n = parseUserInteger(p_.form.ENumDias.text);
    if (!n) {
        p_.prompter.reportError(notANumberText(p_.form.ENumDias.text));
        return;
    }
    // A negative count is no more a range of days than 0 is.
    if (*n <= 0) {
        p_.prompter.warn(QStringLiteral("Numero de dias debe ser > 0"));
        return;
    }
    const int kind = p_.form.RGMaxMin.itemIndex;
    const bool tenMinutes = kind == 2;
    if (tenMinutes) {
        if (kBlocksPerDay * *n >= 999) {
            p_.prompter.warn(QStringLiteral("Descarga Maxima 120 dias para datos 10m."));
            return;
        }
        if (!p_.prompter.ask(QStringLiteral("¿Leer datos de la estacion?"))) {
            return;
        }
    }
    const QDate chosen = p_.form.DTP1.date;
    const int year = p_.clock.now().date().year();
    if (chosen.year() > year || chosen.year() < year - 1) {
        p_.prompter.warn(QStringLiteral("Año incorrecto"));
        return;
    }
    const int d = dayIndex(chosen);
    QByteArray request;
    if (tenMinutes) {
        // The previous year's days are addressed as the current year's: day added.
        request = QByteArray("(&") +
                  QByteArray::number(kFirstBlock + kBlocksPerDay * (d - 1)).rightJustified(4, '0') +
                  QByteArray::number(kBlocksPerDay * *n).rightJustified(3, '0') + ")";
    } else {
        request = QByteArray(kind == 1 ? "(&m" : "(&M") +
                  QByteArray::number(d).rightJustified(3, '0') +
                  QByteArray::number(*n).rightJustified(3, '0') + ")";
        p_.messages.addMessage(kind == 1 ? QStringLiteral("Minimas") : QStringLiteral("Maximas"));
        p_.messages.addMessage(QStringLiteral(
            " TCF Llu Nub BarC  BarA Plu PluAc luzD luzN  Tem  Hum Roc  AneT AneMd Ane DirM "
            "Bloq Dia       Fuente"));
    }
    p_.queue.enqueueCommand(request);
}

void Datalogger::switchSerialSpeed(const char* command, int speedCode) {
    if (command != nullptr) {
        p_.serial.write(command);
    }
    p_.serial.closeSerial();
    p_.serial.openSerial(speedCode);
}

void Datalogger::BVelocidadClick() {
    QString& caption = p_.form.BVelocidad.text;
    const bool network = p_.config.networkMode;
    if (caption == kAt9600) {
        caption = kTo57600;
        network ? void(p_.queue.enqueueCommand("(&057)")) : switchSerialSpeed("(&057)", 57);
    } else if (caption == kAt57600) {
        caption = kTo9600;
        network ? void(p_.queue.enqueueCommand("(&009)")) : switchSerialSpeed("(&009)", 9);
    } else if (caption == kTo57600) {
        caption = kTo9600;
        if (!network) {
            switchSerialSpeed(nullptr, 9);
        }
    } else if (caption == kTo9600) {
        caption = kTo57600;
        if (!network) {
            switchSerialSpeed(nullptr, 57);
        }
    }
}

// Straight to the port: past the queue and the master setting.
void Datalogger::BstopDescargaClick() {
    p_.serial.write("(q)");
}

void Datalogger::settleSpeed() {
    if (!p_.flags.stationSpoke) {
        return;
    }
    QString& caption = p_.form.BVelocidad.text;
    if (caption == kTo57600) {
        caption = kAt57600;
    } else if (caption == kTo9600) {
        caption = kAt9600;
    }
}

}  // namespace zaq
