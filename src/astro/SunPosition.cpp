#include "astro/SunPosition.h"

#include <QRegularExpression>
#include <cmath>

#include "core/Clock.h"
#include "core/MainForm.h"
#include "settings/Configuration.h"
#include "settings/MessagesForm.h"
#include "settings/SettingsForm.h"
#include "ui/DayCount.h"
#include "ui/NumberFormat.h"
#include "ui/Prompter.h"
#include "ui/UserNumber.h"

namespace zaq {
namespace {

constexpr double kToRadians = 0.017453292519943295;
constexpr double kToDegrees = 57.29577951308232;
constexpr double kJulianOfDayZero = 2415018.5;  // 1899-12-30 00:00
constexpr double kJ2000 = 2451545.0;
const QString kEpoch = QStringLiteral("2000-01-01T11:58:56");

double sinDeg(double x) {
    return std::sin(x * kToRadians);
}
double cosDeg(double x) {
    return std::cos(x * kToRadians);
}

// x − 360·trunc(x/360), then into 0…360.
double reduce(double x) {
    x -= 360.0 * std::trunc(x / 360.0);
    return x < 0 ? x + 360.0 : x;
}

double fraction(double dayCount) {
    return dayCount - std::floor(dayCount);
}

// The epoch text split at "-", "-", "T", ":", ":"; day zero when a part does not convert.
double epochDayCount() {
    const QStringList parts = kEpoch.split(QRegularExpression(QStringLiteral("[-T:]")));
    QList<int> values;
    for (const QString& part : parts) {
        bool ok = false;
        values << part.toInt(&ok);
        if (!ok) {
            return 0;
        }
    }
    if (values.size() != 6) {
        return 0;
    }
    return toDayCount(
        QDateTime(QDate(values[0], values[1], values[2]), QTime(values[3], values[4], values[5])));
}

// The first n characters of the shortest decimal text.
QString decimalText(double value, int n) {
    return formatGeneral(value).left(n);
}

}  // namespace

// A field that is not a number is reported once while it stays so: the graphs' refill asks for
// the sun hundreds of times in a row and would otherwise raise a box each time.
std::optional<SunCalculator::Site> SunCalculator::readSite() {
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
    return toDayCount(p_.clock.now()) - epochDayCount();
}

// The reduction is done before the value is held in single precision, so the worked figures
// of the station PC come out to their last printed digit.
float SunCalculator::localSiderealTime(double utDayCount, double longitude) const {
    double theta = daysSinceEpoch() * 0.985647 + 100.46 + longitude + 360.0 * fraction(utDayCount);
    while (theta > 360.0) {
        theta -= 360.0;
    }
    return static_cast<float>(theta);
}

std::optional<SunPosition> SunCalculator::sunPosition(const QDateTime& local) {
    const auto site = readSite();
    if (!site) {
        return std::nullopt;
    }
    // Wall-clock arithmetic on the day count: on a daylight-saving change day the hours from UT
    // are the site's setting, not the clock's shift.
    const double ut = toDayCount(local) - site->hoursFromUt / 24.0;
    const double T = (ut + kJulianOfDayZero - kJ2000) * (1.0 / 36525.0);
    const double L0 = reduce(280.46645 + 36000.76983 * T + 0.0003032 * T * T);
    const double M = reduce(357.5291 + 35999.0503 * T - 0.0001559 * T * T - 4.8e-7 * T * T * T);
    const double C = (1.9146 - 0.004817 * T - 0.000014 * T * T) * sinDeg(M) +
                     (0.019993 - 0.000101 * T) * sinDeg(2 * M) + 0.00029 * sinDeg(3 * M);
    const double trueLongitude = L0 + C;
    const double obliquity = 23.43929111111111 - 0.013004166666666666 * T -
                             1.638888888888889e-7 * T * T + 5.036111111111111e-7 * T * T * T;
    SunPosition sun;
    sun.rightAscension =
        std::atan2(cosDeg(obliquity) * sinDeg(trueLongitude), cosDeg(trueLongitude)) * kToDegrees;
    if (sun.rightAscension < 0) {
        sun.rightAscension += 360.0;
    }
    sun.declination = std::asin(sinDeg(obliquity) * sinDeg(trueLongitude)) * kToDegrees;
    sun.siderealTime = localSiderealTime(ut, site->longitude);
    sun.hourAngle = sun.siderealTime + site->longitude - sun.rightAscension + 3.0;
    if (sun.hourAngle < 0) {
        sun.hourAngle += 360.0;
    }
    sun.altitude =
        std::asin(sinDeg(site->latitude) * sinDeg(sun.declination) +
                  cosDeg(site->latitude) * cosDeg(sun.declination) * cosDeg(sun.hourAngle)) *
        kToDegrees;
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
    const double A = p_.config.altitudeM * 0.001;
    const int month = local.date().month();
    const bool summer = month >= 5 && month <= 8;
    const double r0 = summer ? 0.97 : 1.03;
    const double r1 = summer ? 0.99 : 1.01;
    const double rk = summer ? 1.02 : 1.00;
    const auto h = computeSunPosition(local);
    if (!h) {
        return std::nullopt;
    }
    if (*h < 0) {
        return 0.0;
    }
    const double z = 90.0 - *h;
    const double a0 = r0 * (0.4237 - 0.00821 * (6 - A) * (6 - A));
    const double a1 = r1 * (0.5055 + 0.00595 * (6.5 - A) * (6.5 - A));
    const double k = rk * (0.2711 + 0.01858 * (2.5 - A) * (2.5 - A));
    const double beam = a0 + a1 * std::exp(-k / cosDeg(z));
    const double diffuse = 0.271 - 0.2939 * beam;
    const double extraterrestrial =
        1367.0 *
        (1 + 0.033 * std::cos(6.283185307179586 * local.date().dayOfYear() * (1.0 / 365.0)));
    return cosDeg(z) * (beam + diffuse) * extraterrestrial;
}

void SunCalculator::showSunAltitude() {
    const auto h = computeSunPosition(p_.clock.now());
    if (h) {
        p_.main.LAlturaSol.text = formatGeneral(*h).left(3) + QStringLiteral("º");
    }
}

}  // namespace zaq
