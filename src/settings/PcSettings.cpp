#include "settings/PcSettings.h"

#include <cmath>

#include "base/Configuration.h"
#include "base/GraphsForm.h"
#include "base/ProgramVersion.h"
#include "base/SettingsForm.h"
#include "base/StationFlags.h"
#include "settings/ConfigFields.h"
#include "settings/ConfigFile.h"
#include "settings/ConfigImage.h"
#include "settings/ConfigLayout.h"
#include "ui/NumberFormat.h"
#include "ui/Prompter.h"
#include "ui/UserNumber.h"

namespace zaq {

using namespace cfglayout;

namespace {

// Degrees and whole minutes of an unsigned coordinate; the minutes are truncated.
void showCoordinate(double value, Edit& degrees, Edit& minutes, Edit& side, const char* negative,
                    const char* positive) {
    side.text = QString::fromLatin1(value < 0 ? negative : positive);
    const double magnitude = std::fabs(value);
    const double whole = std::trunc(magnitude);
    degrees.text = QString::number(static_cast<int>(whole));
    minutes.text = QString::number(static_cast<int>(std::trunc((magnitude - whole) * 60.0)));
}

// "%03.3f" copied as seven bytes: shorter values leave zero bytes after them. Qt formats with a
// decimal point whatever the Linux locale says.
QString coordinateText(double degrees) {
    return QString::asprintf("%03.3f", degrees).left(kCoordinateWidth);
}

}  // namespace

void PcSettings::fillFields() {
    for (const ConfigField& field : configFields()) {
        fillControl(field, p_.config, p_.form);
    }
    fillSpecialFields();
    const int range = p_.config.skyRangeIndex;
    if (range >= 1 && range <= 3) {
        p_.selectSkyRange(range);
    }
    p_.form.window.caption = QStringLiteral("Configuración v: ") + programVersionText();
}

// The fields with a rule of their own.
void PcSettings::fillSpecialFields() {
    SettingsForm& f = p_.form;
    const Configuration& c = p_.config;
    CheckBox* channels[] = {&f.CBipvideo1, &f.CBipvideo2, &f.CBipvideo3, &f.CBipvideo4};
    for (std::size_t i = 0; i < 4; ++i) {
        channels[i]->checked = c.ipVideoChannels[i];
    }
    f.CB1minuto.checked = c.dataIntervalMinutes == 1;
    // The supply offset is not stored: it shows 0 until the station reports it.
    f.EOfsetVcc.text = QStringLiteral("0");
    showCoordinate(c.latitude, f.ELatGrad, f.ELatMin, f.Ens, "S", "N");
    showCoordinate(c.longitude, f.ELongHoras, f.ELongMin, f.Eeo, "O", "E");
    f.EHorasTU.text = QString::number(c.hoursFromUt);
}

void PcSettings::BOkDirectorioClick() {
    if (!p_.prompter.ask(QStringLiteral("¿Confirma Guardar Entorno PC?"))) {
        return;
    }
    storeFlagsAndTexts();
    if (!storeSite()) {
        return;
    }
    p_.file.writeConfiguration();
    p_.file.loadConfiguration();
    p_.flags.startupDone = false;
}

// The port's save first blanks 690…699 and zeroes 700; the fields do not overlap otherwise, so
// the table's order is the station PC's.
void PcSettings::storeFlagsAndTexts() {
    const SettingsForm& f = p_.form;
    ConfigImage& im = p_.image;
    im.writeText(kStationPort, kPortBlankEnd - kStationPort,
                 QString(kPortBlankEnd - kStationPort, u' '));
    im.writeChar(kPortBlankEnd, '\0');
    for (const ConfigField& field : configFields()) {
        if (field.save == ConfigField::Save::Pc) {
            storeField(field, f, im, p_.config);
        }
    }
    const CheckBox* channels[] = {&f.CBipvideo1, &f.CBipvideo2, &f.CBipvideo3, &f.CBipvideo4};
    for (int i = 0; i < 4; ++i) {
        im.writeFlag(kIpVideoChannel1 + i, channels[i]->checked);
    }
    im.writeChar(kDataInterval, f.CB1minuto.checked ? '1' : '5');
    const int range = p_.graphs.RGCielo.itemIndex;
    im.writeChar(kSkyRange, range >= 1 && range <= 3 ? static_cast<char>('0' + range) : '0');
}

// Degrees + minutes / 60 as seven characters; false when a field is not a number.
bool PcSettings::storeCoordinate(int offset, const Edit& degrees, const Edit& minutes) {
    const auto d = parseUserDecimal(degrees.text);
    const auto m = parseUserDecimal(minutes.text);
    if (!d || !m) {
        p_.prompter.reportError(notANumberText(!d ? degrees.text : minutes.text));
        return false;
    }
    p_.image.writeText(offset, kCoordinateWidth, coordinateText(*d + *m / 60.0));
    return true;
}

// Latitude, longitude and hours from UT; a field that is not a number stops the save. Only the
// exact letters change the hemisphere bytes.
bool PcSettings::storeSite() {
    const SettingsForm& f = p_.form;
    ConfigImage& im = p_.image;
    if (!storeCoordinate(kLatitude, f.ELatGrad, f.ELatMin)) {
        return false;
    }
    if (f.Ens.text == "N" || f.Ens.text == "S") {
        im.writeChar(kLatitudeHemisphere, f.Ens.text == "N" ? 'N' : 'S');
    }
    if (!storeCoordinate(kLongitude, f.ELongHoras, f.ELongMin)) {
        return false;
    }
    if (f.Eeo.text == "E" || f.Eeo.text == "O" || f.Eeo.text == "W") {
        im.writeChar(kLongitudeSide, f.Eeo.text == "E" ? 'E' : 'O');
    }
    const auto hours = parseUserInteger(f.EHorasTU.text);
    if (!hours) {
        p_.prompter.reportError(notANumberText(f.EHorasTU.text));
        return false;
    }
    im.writeChar(kHoursFromUt, static_cast<char>(*hours & 0xFF));
    return true;
}

}  // namespace zaq
