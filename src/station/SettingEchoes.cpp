#include "station/SettingEchoes.h"

#include <array>
#include <cstring>

#include "base/ActivityLog.h"
#include "base/MainForm.h"
#include "base/SettingsForm.h"
#include "base/StationFlags.h"
#include "station/FieldReader.h"
#include "ui/NumberFormat.h"
#include "ui/Windows1252.h"

namespace zaq {
namespace {

constexpr qsizetype kLongEchoLength = 8;
constexpr qsizetype kShortEchoLength = 6;
constexpr int kPingFailLimit = 3;

enum class EchoValue { Integer, TimesTen, Tenths, Hundredths, GeneralTenths, GeneralHundredths };
enum class Altitude { Unchanged, FiveDigits, ThreeDigits };

struct EchoRow {
    qsizetype length;
    char letter;
    const char* index2;  // the characters allowed after the letter; nullptr: any
    Edit SettingsForm::*field;
    EchoValue value;
    const char* name;  // logged after "Nuevo " when the field was marked
    Altitude altitude = Altitude::Unchanged;
};

const std::array kEchoRows = {
    EchoRow{8, 'M', nullptr, &SettingsForm::EAltura_Bar, EchoValue::Integer, "Altura Bar ",
            Altitude::FiveDigits},
    EchoRow{8, 'I', nullptr, &SettingsForm::EGMagV, EchoValue::Hundredths, "cad G Mag V "},
    EchoRow{6, 'L', nullptr, &SettingsForm::ELimiteLluvia, EchoValue::Integer, "Limite Lluvia "},
    EchoRow{6, 'N', nullptr, &SettingsForm::ELimiteNubes, EchoValue::Integer, "Limite Nubes "},
    EchoRow{6, 'I', "+-", &SettingsForm::EOfsetMagV, EchoValue::Tenths, "Offset Mag V "},
    EchoRow{6, 'I', "012", &SettingsForm::ELimiteLuznoche, EchoValue::Tenths, "Limite Mag V "},
    EchoRow{6, 'V', nullptr, &SettingsForm::ELimiteKmhT, EchoValue::Integer, "Limite Km/h T "},
    EchoRow{6, 'W', nullptr, &SettingsForm::ELimiteKmh, EchoValue::Integer, "Limite Km/h "},
    EchoRow{6, 'O', nullptr, &SettingsForm::ELimiteKmhMedia, EchoValue::Integer,
            "Limite Km/h Media "},
    EchoRow{6, 'T', nullptr, &SettingsForm::ELimiteEspera, EchoValue::Integer, "Limite Espera pc "},
    EchoRow{6, 'F', "01", &SettingsForm::ELimiteFuente, EchoValue::GeneralTenths, "Limite Fuente "},
    EchoRow{6, 'F', "+-", &SettingsForm::EOfsetVcc, EchoValue::GeneralTenths, "Offset Vcc "},
    EchoRow{6, 'C', nullptr, &SettingsForm::ELimiteRocio, EchoValue::Integer, "Limite Rocio "},
    EchoRow{6, 'P', nullptr, &SettingsForm::EKPluvio, EchoValue::Integer, "K Pluvio "},
    EchoRow{6, 'B', nullptr, &SettingsForm::EOffset_Bar, EchoValue::Integer, "Offset Bar "},
    EchoRow{6, 'M', nullptr, &SettingsForm::EAltura_Bar, EchoValue::TimesTen, "Altura Bar ",
            Altitude::ThreeDigits},
    EchoRow{6, 'U', nullptr, &SettingsForm::EOffset_UV, EchoValue::Integer, "Offset Luz Dia "},
    EchoRow{6, 'A', nullptr, &SettingsForm::EKAnem_mec, EchoValue::Integer, "K Anem. mec. "},
    EchoRow{6, 'E', nullptr, &SettingsForm::EOffset_Ane1631, EchoValue::Integer, "Offset Anem T "},
    EchoRow{6, 'G', nullptr, &SettingsForm::EKAnem_1631, EchoValue::Integer, "K Anem T "},
    EchoRow{6, 'R', nullptr, &SettingsForm::EGNubes, EchoValue::GeneralTenths, "G Nubes "},
    EchoRow{6, 'J', nullptr, &SettingsForm::EGLuzdia, EchoValue::GeneralHundredths, "G Luz dia "},
};

QString valueText(EchoValue kind, int v) {
    switch (kind) {
        case EchoValue::Integer:
            return QString::number(v);
        case EchoValue::TimesTen:
            return QString::number(v * 10);
        case EchoValue::Tenths:
            return formatNumber(v * 0.1, 4, 1);
        case EchoValue::Hundredths:
            return formatNumber(v * 0.01, 5, 3);
        case EchoValue::GeneralTenths:
            return formatGeneral(v * 0.1);
        case EchoValue::GeneralHundredths:
            return formatGeneral(v * 0.01);
    }
    return {};
}

const EchoRow* findRow(qsizetype length, char letter, char index2) {
    for (const EchoRow& row : kEchoRows) {
        if (row.length == length && row.letter == letter &&
            (row.index2 == nullptr || (index2 != '\0' && std::strchr(row.index2, index2)))) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace

void SettingEchoes::applySettingEcho(const QByteArray& text) {
    if (text.size() != kLongEchoLength && text.size() != kShortEchoLength) {
        return;
    }
    const char letter = text[1];
    const int valueWidth = text.size() == kLongEchoLength ? 5 : 3;
    const int v = readInteger(text.constData() + 2, valueWidth);
    if (text.size() == kShortEchoLength) {
        if (letter == 't') {
            countPingFailure();
            return;
        }
        if (applyCheckBoxEcho(letter, v) || applyAlarmPanel(letter)) {
            return;
        }
    }
    const EchoRow* row = findRow(text.size(), letter, text[2]);
    if (row == nullptr) {
        return;
    }
    Edit& field = settings_.*(row->field);
    // The altitude echoes look at the barometer offset's mark: the station PC has always
    // logged the new altitude only when that field was marked.
    const Edit& tested = row->altitude == Altitude::Unchanged ? field : settings_.EOffset_Bar;
    const bool marked = tested.colour == colours::yellow;
    field.text = valueText(row->value, v);
    field.colour = colours::window;
    if (row->altitude != Altitude::Unchanged) {
        flags_.altitudeFiveDigits = row->altitude == Altitude::FiveDigits;
    }
    if (marked) {
        log_.appendActivityLog(QStringLiteral("Nuevo ") + QString::fromLatin1(row->name) +
                               decodeWindows1252(text));
    }
}

bool SettingEchoes::applyCheckBoxEcho(char letter, int value) {
    CheckBox* box = nullptr;
    if (letter == 'Z') {
        box = &settings_.CBtx20;
    } else if (static_cast<unsigned char>(letter) == 0xD1) {  // 'Ñ'
        box = &settings_.CBoregon;
    } else {
        return false;
    }
    if (value == 1) {
        box->checked = true;
    } else if (value == 0) {
        box->checked = false;
    }
    box->colour = colours::window;
    return true;
}

// The station closed the roof for this measurement: its panel turns yellow until clicked.
bool SettingEchoes::applyAlarmPanel(char letter) {
    Panel* panel = nullptr;
    switch (letter) {
        case 'f':
            panel = &main_.PVFuente;
            break;
        case 'i':
            panel = &main_.PMagnitud;
            break;
        case 'l':
            panel = &main_.PLluvia;
            break;
        case 'n':
            panel = &main_.PNublados;
            break;
        case 'w':
            panel = &main_.PVelViento;
            break;
        case 'o':
            panel = &main_.PVelVientoMedia;
            break;
        case 'v':
            panel = &main_.PvelOmni;
            break;
        default:
            return false;
    }
    panel->colour = colours::yellow;
    return true;
}

void SettingEchoes::countPingFailure() {
    if (flags_.pingFailCount >= kPingFailLimit) {
        return;
    }
    ++flags_.pingFailCount;
    main_.LPing.text = QStringLiteral("Fal ") + QString::number(flags_.pingFailCount);
}

}  // namespace zaq
