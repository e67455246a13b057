#include "alpaca/ObservingConditionsDevice.h"

#include <cmath>

#include "automation/WeatherService.h"
#include "base/CurrentReadings.h"

namespace zaq {
namespace {

constexpr double kKmhPerMs = 3.6;

// The readings kept as floats, back to the station's own resolution, so that 8.9 km/h is not
// passed on as 8.899999618530273.
double rounded(double value, double steps) {
    return std::round(value * steps) / steps;
}

const QStringList& unmeasured() {
    static const QStringList names = {QStringLiteral("RainRate"), QStringLiteral("SkyBrightness"),
                                      QStringLiteral("StarFWHM")};
    return names;
}

AlpacaOutcome notMeasured(const QString& name) {
    return AlpacaOutcome::error(alpacaerror::notImplemented,
                                QStringLiteral("La estacion ZAQ no mide ") + name);
}

}  // namespace

ObservingConditionsDevice::ObservingConditionsDevice(WeatherService& weather) : weather_(weather) {
    addSensors();
    QStringList state;
    for (const Sensor& s : sensors_) {
        addGet(s.name.toLower(), [this, &s](const AlpacaCall&) { return read(s); });
        state << s.name;
    }
    for (const QString& name : unmeasured()) {
        addGet(
            name.toLower(), [name](const AlpacaCall&) { return notMeasured(name); }, false);
    }
    addGet(QStringLiteral("averageperiod"),
           [](const AlpacaCall&) { return AlpacaOutcome::of(0.0); });
    addPut(QStringLiteral("averageperiod"),
           [this](const AlpacaCall& call) { return setAveragePeriod(call); });
    addPut(QStringLiteral("refresh"), [](const AlpacaCall&) { return AlpacaOutcome::done(); });
    addGet(QStringLiteral("sensordescription"),
           [this](const AlpacaCall& call) { return bySensorName(call, true); });
    addGet(QStringLiteral("timesincelastupdate"),
           [this](const AlpacaCall& call) { return bySensorName(call, false); });
    setStateMembers(state);
}

QString ObservingConditionsDevice::description() const {
    return QStringLiteral(
        "Lecturas de la estacion meteorologica ZAQ, del ultimo mensaje de datos recibido");
}

// Tenths are divided, not multiplied by 0.1, so that 21.5 reads 21.5 and not 21.500000000000004.
void ObservingConditionsDevice::addSensors() {
    const CurrentReadings& r = weather_.readings();
    const auto tenths = [](const int& x10) { return [&x10] { return x10 / 10.0; }; };
    sensors_ = {
        {QStringLiteral("Temperature"), QStringLiteral("Temperatura ambiente, ºC"),
         tenths(r.temperatureX10)},
        {QStringLiteral("Humidity"), QStringLiteral("Humedad relativa, %"), tenths(r.humidityX10)},
        {QStringLiteral("DewPoint"), QStringLiteral("Punto de rocio, ºC"), tenths(r.dewPointX10)},
        {QStringLiteral("Pressure"), QStringLiteral("Presion absoluta en la estacion, hPa"),
         [&r] { return rounded(r.pressureAbsX10, 1) / 10; }},
        {QStringLiteral("CloudCover"), QStringLiteral("Nubosidad del sensor infrarrojo, %"),
         tenths(r.cloudX10)},
        {QStringLiteral("SkyQuality"), QStringLiteral("Magnitud visual del cielo, mag/arcsec²"),
         [&r] { return rounded(r.skyMagnitude, 100); }},
        {QStringLiteral("SkyTemperature"), QStringLiteral("Temperatura infrarroja del cielo, ºC"),
         [this]() -> std::optional<double> {
             const std::optional<double> celsius = weather_.skyTemperature();
             return celsius ? std::optional<double>(rounded(*celsius, 10)) : std::nullopt;
         }},
        {QStringLiteral("WindSpeed"), QStringLiteral("Viento del anemometro mecanico, m/s"),
         [&r] { return rounded(r.windKmh, 10) / kKmhPerMs; }},
        {QStringLiteral("WindGust"), QStringLiteral("Racha de viento, m/s"),
         [&r] { return rounded(r.windGustKmh, 10) / kKmhPerMs; }},
        {QStringLiteral("WindDirection"), QStringLiteral("Direccion del viento, grados"),
         [&r] { return r.windKmh == 0 ? 0.0 : r.windDirectionDeg; }},
    };
}

const ObservingConditionsDevice::Sensor* ObservingConditionsDevice::sensor(
    const QString& lowerName) const {
    for (const Sensor& s : sensors_) {
        if (s.name.toLower() == lowerName) {
            return &s;
        }
    }
    return nullptr;
}

AlpacaOutcome ObservingConditionsDevice::read(const Sensor& sensor) const {
    const std::optional<double> value = weather_.readingsReceived() ? sensor.value() : std::nullopt;
    if (!value) {
        return AlpacaOutcome::error(alpacaerror::valueNotSet,
                                    QStringLiteral("La estacion no ha enviado ") + sensor.name);
    }
    return AlpacaOutcome::of(*value);
}

// The station gives instant readings only: no period other than 0 can be kept.
AlpacaOutcome ObservingConditionsDevice::setAveragePeriod(const AlpacaCall& call) const {
    const std::optional<QString> text = call.param(QStringLiteral("averageperiod"));
    bool number = false;
    const double hours = text ? text->toDouble(&number) : 0.0;
    if (!number) {
        return AlpacaOutcome::badRequest(QStringLiteral("AveragePeriod no es un numero: ") +
                                         text.value_or(QString()));
    }
    if (hours != 0.0) {
        return AlpacaOutcome::error(alpacaerror::invalidValue,
                                    QStringLiteral("La estacion solo da lecturas instantaneas: "
                                                   "AveragePeriod debe ser 0"));
    }
    return AlpacaOutcome::done();
}

// An empty name asks for the latest update of any sensor.
AlpacaOutcome ObservingConditionsDevice::bySensorName(const AlpacaCall& call,
                                                      bool description) const {
    const std::optional<QString> name = call.param(QStringLiteral("sensorname"));
    if (!name) {
        return AlpacaOutcome::badRequest(QStringLiteral("Falta el parametro SensorName"));
    }
    for (const QString& unmeasuredName : unmeasured()) {
        if (unmeasuredName.compare(*name, Qt::CaseInsensitive) == 0) {
            return notMeasured(unmeasuredName);
        }
    }
    const Sensor* s = sensor(name->toLower());
    if (s == nullptr && (description || !name->isEmpty())) {
        return AlpacaOutcome::error(alpacaerror::invalidValue,
                                    QStringLiteral("Sensor desconocido: ") + *name);
    }
    if (description) {
        return AlpacaOutcome::of(s->description);
    }
    // Every sensor but the sky temperature comes with each live message.
    if (s != nullptr) {
        const AlpacaOutcome reading = read(*s);
        if (reading.kind != AlpacaOutcome::Kind::Value) {
            return reading;
        }
    } else if (!weather_.readingsReceived()) {
        return AlpacaOutcome::error(alpacaerror::valueNotSet,
                                    QStringLiteral("La estacion no ha enviado datos"));
    }
    return AlpacaOutcome::of(weather_.secondsSinceReadings());
}

}  // namespace zaq
