#include "control/SunCalculator.h"

#include <cmath>

#include "base/Clock.h"
#include "base/Configuration.h"
#include "base/MainForm.h"
#include "base/MessagesForm.h"
#include "base/SettingsForm.h"
#include "ui/DayCount.h"
#include "ui/NumberFormat.h"
#include "ui/Prompter.h"
#include "ui/UserNumber.h"

namespace zaq {
namespace {

// The first n characters of the shortest decimal text.
QString decimalText(double value, int n) {
    return formatGeneral(value).left(n);
}

}  // namespace

// A field that is not a number is reported once while it stays so: the graphs' refill asks for
// the sun hundreds of times in a row and would otherwise raise a box each time.
std::optional<Site> SunCalculator::readSite() {
    const SettingsForm& f = p_.settings;
    const auto fail = [this](const QString& text) {
        if (text != lastReported_) {
            lastReported_ = text;
            p_.prompter.reportError(notANumberText(text));
        }
        return std::nullopt;
    };
    for (const Edit* field : {&f.ELatGrad, &f.ELatMin, &f.ELongHoras, &f.ELongMin}) {
        if (!parseUserDecimal(field->text)) {
            return fail(field->text);
        }
    }
    const auto hours = parseUserInteger(f.EHorasTU.text);
    if (!hours) {
        return fail(f.EHorasTU.text);
    }
    lastReported_.clear();
    Site site{};
    site.latitude = *parseUserDecimal(f.ELatGrad.text) + *parseUserDecimal(f.ELatMin.text) / 60.0;
    if (f.Ens.text == "S" || f.Ens.text == "s") {
        site.latitude = -site.latitude;
    }
    site.longitude =
        *parseUserDecimal(f.ELongHoras.text) + *parseUserDecimal(f.ELongMin.text) / 60.0;
    if (f.Eeo.text == "O" || f.Eeo.text == "W") {
        site.longitude = -site.longitude;
    }
    site.hoursFromUt = *hours;
    return site;
}

double SunCalculator::daysSinceEpoch() const {
    return zaq::daysSinceEpoch(toDayCount(p_.clock.now()));
}

std::optional<SunPosition> SunCalculator::sunPosition(const QDateTime& local) {
    const auto site = readSite();
    if (!site) {
        return std::nullopt;
    }
    const SunPosition sun = sunPositionAt(toDayCount(local), *site, daysSinceEpoch());
    showLabels(sun);
    return sun;
}

std::optional<double> SunCalculator::computeSunPosition(const QDateTime& local) {
    const auto sun = sunPosition(local);
    if (!sun) {
        return std::nullopt;
    }
    return sun->altitude;
}

void SunCalculator::showLabels(const SunPosition& sun) {
    const double hoursRa = sun.rightAscension / 15.0;
    const double wholeRa = std::trunc(hoursRa);
    p_.messages.LAR.text = QStringLiteral("AR :  ") +
                           QString::number(std::abs(static_cast<int>(wholeRa))) +
                           QStringLiteral("h ") + decimalText((hoursRa - wholeRa) * 60.0, 6);
    const double wholeDec = std::trunc(sun.declination);
    p_.messages.LDEC.text =
        QStringLiteral("DEC: ") + QString::number(std::abs(static_cast<int>(wholeDec))) +
        QStringLiteral("º ") + decimalText((sun.declination - wholeDec) * 60.0, 6);
    // The sidereal time as hours, minutes and seconds, in single precision.
    const float s = sun.siderealTime * (1.0f / 15.0f);
    const int hh = static_cast<int>(s);
    const float m = (s - static_cast<float>(hh)) * 60.0f;
    const int mm = static_cast<int>(m);
    const int ss = static_cast<int>((m - static_cast<float>(mm)) * 60.0f);
    const double hoursH = sun.hourAngle / 15.0;
    const double wholeH = std::trunc(hoursH);
    p_.messages.LHS.text = QStringLiteral("HSL: ") +
                           QString::asprintf("%02i:%02i:%02i", hh, mm, ss) +
                           QStringLiteral("  AH: ") + QString::number(static_cast<int>(wholeH)) +
                           QStringLiteral("h ") + decimalText((hoursH - wholeH) * 60.0, 4);
}

std::optional<double> SunCalculator::expectedClearSkyRadiation(const QDateTime& local) {
    const auto h = computeSunPosition(local);
    if (!h) {
        return std::nullopt;
    }
    return clearSkyRadiation(*h, local.date().month(), local.date().dayOfYear(),
                             p_.config.altitudeM);
}

void SunCalculator::showSunAltitude() {
    const auto h = computeSunPosition(p_.clock.now());
    if (h) {
        p_.main.LAlturaSol.text = formatGeneral(*h).left(3) + QStringLiteral("º");
    }
}

}  // namespace zaq
