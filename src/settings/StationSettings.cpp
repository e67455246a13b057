#include "settings/StationSettings.h"

#include <cmath>
#include <vector>

#include "base/Clock.h"
#include "base/Configuration.h"
#include "base/MainForm.h"
#include "base/SettingsForm.h"
#include "base/StationFlags.h"
#include "settings/ConfigFields.h"
#include "settings/ConfigFile.h"
#include "settings/ConfigImage.h"
#include "settings/ConfigLayout.h"
#include "station/CommandQueue.h"
#include "station/FieldReader.h"
#include "station/Pinger.h"
#include "ui/Prompter.h"
#include "ui/UserNumber.h"
#include "ui/Windows1252.h"

namespace zaq {
namespace {

using F = SettingsForm;

// A closing limit: integer limits are clamped above, the two decimal ones sent × 10 and read
// back by the station only up to `highest`.
struct LimitRow {
    Edit F::*field;
    const char* row;
    const char* hint;
    const char* prefix;
    int scale;    // 1 for an integer
    int highest;  // the clamp of an integer, the highest scaled value of a decimal
};

const LimitRow kLimits[] = {
    {&F::ELimiteLluvia, "Lluvia %:", "Valor Max: 100", "(L", 1, 100},
    {&F::ELimiteNubes, "Nubes % :", "Valor Max: 100", "(N", 1, 100},
    {&F::ELimiteLuznoche, "Magnitud Vis:", "Limite de brillo.", "(I", 10, 299},
    {&F::ELimiteKmh, "Viento Km/h:", "Velocidad de Racha", "(W", 1, 250},
    {&F::ELimiteKmhMedia, "Viento Media:", "Media en 10 min.", "(O", 1, 250},
    {&F::ELimiteKmhT, "Viento T. Km/h:", "", "(V", 1, 250},
    {&F::ELimiteEspera, "Espera PC sg:",
     "Tiempo sin recibir presencia del PC para cerrar. Valor max 255 sg.", "(T", 1, 255},
    {&F::ELimiteFuente, "Fuente v:", "Valor minimo para cierre.", "(F", 10, 199},
    {&F::ELimiteRocio, "Rocio ºC:", "Tamb - Trocio", "(C", 1, 100},
};

constexpr const char* kLimitRequests[] = {"(l)", "(n)", "(i)", "(v)", "(o)",
                                          "(w)", "(t)", "(f)", "(c)"};

// A calibration constant and the form its command takes.
struct CalibrationRow {
    enum class Form { Integer, Altitude, CheckBox, Decimal, Signed, FiveDigitGain };
    Edit F::*edit;
    CheckBox F::*box;
    const char* row;
    const char* hint;
    const char* prefix;
    Form form;
    int scale;
};
using Form = CalibrationRow::Form;

const CalibrationRow kCalibration[] = {
    {&F::EKPluvio, nullptr, "K Pluvio:", "mililitros por cuenta, tip. 124.", "(P", Form::Integer,
     1},
    {&F::EOffset_Bar, nullptr, "Baro. of. mBar:", "Max 250", "(B", Form::Integer, 1},
    {&F::EAltura_Bar, nullptr, "Nivel mar, m:", "Altura en metros.", "(M", Form::Altitude, 1},
    {&F::EOffset_UV, nullptr, "Rad.Solar Of.:", "", "(U", Form::Integer, 1},
    {&F::EKAnem_mec, nullptr, "K. Ane. Mec:", "Medida brazo en mm. 36 con TX20.", "(A",
     Form::Integer, 1},
    {nullptr, &F::CBtx20, "TX20 :", "Para cambiar color pinchar TX20.", "(Z", Form::CheckBox, 1},
    {nullptr, &F::CBoregon, "WR918", "Para cambiar color pinchar WR918.", "(\xD1", Form::CheckBox,
     1},
    {&F::EKAnem_1631, nullptr, "K Ane. Term:", "Max 250", "(G", Form::Integer, 1},
    {&F::EGNubes, nullptr, "Nubes G:", "Ganancia.", "(R", Form::Decimal, 10},
    {&F::EGLuzdia, nullptr, "Rad.Solar G.:", "Ganancia.", "(J", Form::Decimal, 100},
    {&F::EOfsetVcc, nullptr, "Fuente Of.:", "Decimas de voltio", "(F", Form::Signed, 10},
    {&F::EOfsetMagV, nullptr, "Mag. Vis. Of:", "Offset aplicado a la magnitu.", "(I", Form::Signed,
     10},
    {&F::EGMagV, nullptr, "Mag. Vis. G:", "Ganancia aplicada en el uP a la frecuencia del sensor.",
     "(I", Form::FiveDigitGain, 100},
};

constexpr const char* kCalibrationRequests[] = {"(p)", "(b)", "(m)", "(u)", "(a)", "(z)", "(\xF1)",
                                                "(e)", "(g)", "(f)", "(i)", "(r)", "(j)"};

bool isGrey(const Control& c) {
    return c.colour == colours::buttonFace;
}
bool isMarked(const Control& c) {
    return c.colour == colours::yellow;
}

// The prefix, the value in `digits` digits (zero-padded, a minus sign for negative values) and
// ")", cut to the command's fixed width.
QByteArray command(const char* prefix, int value, int digits = 3) {
    const QByteArray number =
        QByteArray::number(std::abs(value)).rightJustified(value < 0 ? digits - 1 : digits, '0');
    const QByteArray text = QByteArray(prefix) + (value < 0 ? "-" : "") + number + ")";
    return text.left(digits == 5 ? 8 : 6);
}

int truncatedScaled(double value, int scale) {
    return static_cast<int>(std::clamp(std::trunc(value * scale), -1e9, 1e9));
}

// A field's text read as a C-style integer: leading digits, 0 if none.
int integerValue(const QString& text) {
    const QByteArray bytes = encodeWindows1252(text);
    return readInteger(bytes.constData(), static_cast<int>(bytes.size()));
}

// Limit texts never fail: C-style conversions, 0 for anything else.
int limitValue(const LimitRow& row, const QString& text) {
    if (row.scale == 1) {
        return std::min(integerValue(text), row.highest);
    }
    QString pointed = text;
    const qsizetype comma = pointed.indexOf(u',');
    if (comma >= 0) {
        pointed[comma] = u'.';
    }
    const QByteArray bytes = encodeWindows1252(pointed);
    return truncatedScaled(readDecimal(bytes.constData(), static_cast<int>(bytes.size())),
                           row.scale);
}

// "0,0 a 29,9": a scaled range in the window's own number form.
QString rangeText(int low, int high, int scale) {
    const int decimals = scale == 100 ? 2 : scale == 10 ? 1 : 0;
    const auto shown = [&](int v) {
        return QString::number(static_cast<double>(v) / scale, 'f', decimals).replace(u'.', u',');
    };
    return shown(low) + QStringLiteral(" a ") + shown(high);
}

// Where the configuration keeps a field of the settings window.
const ConfigField* configFieldOf(Edit F::*edit) {
    for (const ConfigField& f : configFields()) {
        const auto* control = std::get_if<Edit F::*>(&f.control);
        if (control != nullptr && *control == edit) {
            return &f;
        }
    }
    return nullptr;
}

// The lowest and highest scaled values a calibration command carries in its fixed width.
std::pair<int, int> calibrationRange(const CalibrationRow& row, bool fiveDigitAltitude) {
    switch (row.form) {
        case Form::Altitude:
            return fiveDigitAltitude ? std::pair{-9999, 99999} : std::pair{-999, 9999};
        case Form::Signed:
            return {-99, 99};
        case Form::FiveDigitGain:
            return {-9999, 99999};
        default:
            return {-99, 999};
    }
}

}  // namespace

std::vector<StationSettings::Row> StationSettings::limitRows() {
    std::vector<Row> rows;
    for (const LimitRow& r : kLimits) {
        rows.push_back({r.field, nullptr, QString::fromUtf8(r.row), QString::fromUtf8(r.hint)});
    }
    return rows;
}

std::vector<StationSettings::Row> StationSettings::calibrationRows() {
    std::vector<Row> rows;
    for (const CalibrationRow& r : kCalibration) {
        rows.push_back({r.edit, r.box, QString::fromUtf8(r.row), QString::fromUtf8(r.hint)});
    }
    return rows;
}

StationSettings::StationSettings(Deps deps) : p_(deps) {
    for (const Row& row : limitRows()) {
        (p_.form.*row.edit).hint = row.hint;
    }
    for (const Row& row : calibrationRows()) {
        Control& field = row.box != nullptr ? static_cast<Control&>(p_.form.*row.box)
                                            : static_cast<Control&>(p_.form.*row.edit);
        field.hint = row.hint;
    }
}

void StationSettings::toggleMark(Control& field) {
    field.colour = field.colour == colours::window ? colours::yellow : colours::window;
}

bool StationSettings::refuse(const QString& row, const QString& range) {
    p_.prompter.warn(QStringLiteral("Valor fuera de rango en %1 admite de %2.").arg(row, range));
    return false;
}

void StationSettings::BGrabarClick() {
    if (!p_.prompter.ask(QStringLiteral("¿Confirma Guardar Niveles?")) || !limitsInRange()) {
        return;
    }
    storeLimits();
    p_.file.writeConfiguration();
    if (enqueueMarkedLimits() == 0) {
        p_.prompter.ask(QStringLiteral("Ningun parametro seleccionado"));
    }
    p_.file.loadConfiguration();
}

// Negative limits and decimals the station cannot read back are refused before anything is
// stored or sent; integers above their clamp are sent clamped.
bool StationSettings::limitsInRange() {
    for (const LimitRow& row : kLimits) {
        const Edit& field = p_.form.*row.field;
        if (isGrey(field)) {
            continue;
        }
        const int v = limitValue(row, field.text);
        if (v < 0 || (row.scale > 1 && v > row.highest)) {
            return refuse(QString::fromUtf8(row.row), rangeText(0, row.highest, row.scale));
        }
    }
    return true;
}

void StationSettings::storeLimits() {
    for (const LimitRow& row : kLimits) {
        const Edit& field = p_.form.*row.field;
        const ConfigField* stored = configFieldOf(row.field);
        if (isGrey(field) || stored == nullptr) {
            continue;
        }
        if (row.scale == 1) {
            storeField(*stored, p_.form, p_.image, p_.config);
        } else {
            p_.image.writeScaled(stored->offset, stored->width, limitValue(row, field.text), 1);
        }
    }
    // The sky limit is written with its terminating zero.
    p_.image.writeChar(cfglayout::kLimitSky + 3, '\0');
}

int StationSettings::enqueueMarkedLimits() {
    int queued = 0;
    for (const LimitRow& row : kLimits) {
        const Edit& field = p_.form.*row.field;
        if (isMarked(field)) {
            p_.queue.enqueueCommand(command(row.prefix, limitValue(row, field.text)));
            ++queued;
        }
    }
    return queued;
}

void StationSettings::BLeerClick() {
    for (const LimitRow& row : kLimits) {
        (p_.form.*row.field).colour = colours::buttonFace;
    }
    for (const char* request : kLimitRequests) {
        p_.queue.enqueueCommand(request);
    }
}

void StationSettings::BAjuste_Meteo_FlashClick() {
    if (!p_.prompter.ask(QStringLiteral("¿Desea Guardar Constantes en la Estacion?")) ||
        !calibrationInRange()) {
        return;
    }
    const std::optional<int> queued = enqueueMarkedCalibration();
    if (!queued) {
        return;
    }
    if (*queued == 0) {
        p_.prompter.ask(QStringLiteral("No hay parametros seleccionados"));
        return;
    }
    storeCalibration();
}

// Values the fixed-width commands cannot carry are refused before anything is queued; a text
// that is not a number is left to the sending, which reports it.
bool StationSettings::calibrationInRange() {
    for (const CalibrationRow& row : kCalibration) {
        if (row.edit == nullptr || !isMarked(p_.form.*row.edit)) {
            continue;
        }
        const QString& text = (p_.form.*row.edit).text;
        std::optional<int> v;
        if (row.form == Form::Integer || row.form == Form::Altitude) {
            v = integerValue(text);
        } else if (const auto d = parseUserDecimal(text)) {
            v = truncatedScaled(*d, row.scale);
        }
        const auto [low, high] = calibrationRange(row, p_.flags.altitudeFiveDigits);
        if (row.form == Form::FiveDigitGain && v && *v > 999) {
            continue;  // reset to 1.00 when sent
        }
        if (v && (*v < low || *v > high)) {
            return refuse(QString::fromUtf8(row.row), rangeText(low, high, row.scale));
        }
    }
    return true;
}

std::optional<int> StationSettings::enqueueMarkedCalibration() {
    int queued = 0;
    for (const CalibrationRow& row : kCalibration) {
        if (row.box != nullptr) {
            const CheckBox& box = p_.form.*row.box;
            if (isMarked(box)) {
                p_.queue.enqueueCommand(command(row.prefix, box.checked ? 1 : 0));
                ++queued;
            }
            continue;
        }
        Edit& field = p_.form.*row.edit;
        if (!isMarked(field)) {
            continue;
        }
        if (row.form == Form::Integer || row.form == Form::Altitude) {
            const int v = integerValue(field.text);
            p_.queue.enqueueCommand(row.form == Form::Integer     ? command(row.prefix, v)
                                    : p_.flags.altitudeFiveDigits ? command(row.prefix, v, 5)
                                                                  : command(row.prefix, v / 10));
            ++queued;
            continue;
        }
        const auto d = parseUserDecimal(field.text);
        if (!d) {
            p_.prompter.reportError(notANumberText(field.text));
            return std::nullopt;
        }
        const int v = truncatedScaled(*d, row.scale);
        if (row.form == Form::FiveDigitGain) {
            if (v > 999) {
                field.text = QStringLiteral("1.00");
                continue;
            }
            p_.queue.enqueueCommand(command(row.prefix, v, 5));
        } else {
            QByteArray c = command(row.prefix, v);
            // The signed form: a leading zero digit becomes "+".
            if (row.form == Form::Signed && c[2] == '0') {
                c[2] = '+';
            }
            p_.queue.enqueueCommand(c);
        }
        ++queued;
    }
    return queued;
}

// Every calibration value, marked or not, with the data directories as typed; the PC's copies
// take the new values at once.
void StationSettings::storeCalibration() {
    std::vector<std::pair<const ConfigField*, double>> scaled;
    for (const ConfigField& f : configFields()) {
        const auto* edit = std::get_if<Edit F::*>(&f.control);
        if (f.save != ConfigField::Save::Calibration || f.kind != ConfigField::Kind::Scaled ||
            edit == nullptr) {
            continue;
        }
        const QString& text = (p_.form.**edit).text;
        const auto d = parseUserDecimal(text);
        if (!d) {
            p_.prompter.reportError(notANumberText(text));
            return;
        }
        scaled.emplace_back(&f, *d);
    }
    p_.image.writeText(cfglayout::kPrefix, 5, QStringLiteral("cfg:"));
    for (const ConfigField& f : configFields()) {
        const bool directory = f.offset == cfglayout::kDataDirectory ||
                               f.offset == cfglayout::kGraphsDirectory ||
                               f.offset == cfglayout::kCapturesDirectory;
        if ((f.save == ConfigField::Save::Calibration && f.kind != ConfigField::Kind::Scaled) ||
            directory) {
            storeField(f, p_.form, p_.image, p_.config);
        }
    }
    for (const auto& [f, value] : scaled) {
        p_.image.writeScaled(f->offset, f->width, value, f->extent);
        if (f->offset == cfglayout::kSkyGain) {
            p_.image.writeScaled(cfglayout::kSkyGainCopy, f->width, value, f->extent);
        }
    }
    p_.image.writeText(cfglayout::kCloudLimitText, 3, p_.form.ELimiteNubes.text);
    p_.file.writeConfiguration();
    p_.file.loadConfiguration();
}

void StationSettings::BLeerOffsetsClick() {
    for (const CalibrationRow& row : kCalibration) {
        Control& field = row.box != nullptr ? static_cast<Control&>(p_.form.*row.box)
                                            : static_cast<Control&>(p_.form.*row.edit);
        field.colour = colours::buttonFace;
    }
    for (const char* request : kCalibrationRequests) {
        p_.queue.enqueueCommand(request);
    }
}

void StationSettings::BrtcClick() {
    if (!p_.prompter.ask(QStringLiteral("¿Desea ajustar el reloj de la estacion con el del PC?"))) {
        return;
    }
    const QDateTime now = p_.clock.now();
    const QString text = QStringLiteral("(Y%1%2%3%4%5%6)")
                             .arg(now.date().day(), 2, 10, QChar(u'0'))
                             .arg(now.date().month(), 2, 10, QChar(u'0'))
                             .arg(now.date().year() - 2000, 2, 10, QChar(u'0'))
                             .arg(now.time().hour(), 2, 10, QChar(u'0'))
                             .arg(now.time().minute(), 2, 10, QChar(u'0'))
                             .arg(now.time().second(), 2, 10, QChar(u'0'));
    p_.queue.enqueueCommand(text.toLatin1());
}

void StationSettings::BTestPingClick() {
    p_.main.LPing.text = QStringLiteral("---");
    const bool answered = p_.pinger.ping(p_.form.EPingInternet.text);
    p_.main.LPing.text = answered ? QStringLiteral("-OK-") : QStringLiteral("Fallo");
}

// The space bar toggles the box, so a key pressed on it may have changed the master setting.
void StationSettings::CBmasterKeyPress() {
    p_.prompter.warn(QStringLiteral("PC Master modificado desde teclado. Verifique su estado."));
}

}  // namespace zaq
