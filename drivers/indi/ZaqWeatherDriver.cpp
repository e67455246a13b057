#include "ZaqWeatherDriver.h"

#include <cmath>
#include <memory>

namespace zaq::indi {

static std::unique_ptr<ZaqWeatherDriver> driver(new ZaqWeatherDriver());

namespace {

constexpr double kDefaultUpdateSeconds = 10;

}  // namespace

ZaqWeatherDriver::ZaqWeatherDriver() {
    setVersion(1, 0);
    setWeatherConnection(CONNECTION_NONE);
}

// Only ZAQ_SAFE decides the status; the readings are shown with ranges wide enough never to
// warn, as the program's own closing limits are what judge them.
bool ZaqWeatherDriver::initProperties() {
    INDI::Weather::initProperties();
    addParameter("WEATHER_TEMPERATURE", "Temperatura (C)", -60, 60, 0);
    addParameter("WEATHER_HUMIDITY", "Humedad (%)", 0, 100, 0);
    addParameter("WEATHER_DEWPOINT", "Punto de rocio (C)", -80, 60, 0);
    addParameter("WEATHER_PRESSURE", "Presion (hPa)", 0, 2000, 0);
    addParameter("WEATHER_WIND_SPEED", "Viento (km/h)", 0, 500, 0);
    addParameter("WEATHER_WIND_GUST", "Racha (km/h)", 0, 500, 0);
    addParameter("WEATHER_WIND_DIRECTION", "Direccion del viento", 0, 360, 0);
    addParameter("WEATHER_CLOUD_COVER", "Nubes (%)", 0, 100, 0);
    addParameter("WEATHER_SKY_QUALITY", "Magnitud del cielo", -30, 30, 0);
    addParameter("WEATHER_SKY_TEMPERATURE", "Temperatura del cielo (C)", -100, 100, 0);
    addParameter("WEATHER_RAIN", "Lluvia (1 si)", 0, 1, 0);
    addParameter("ZAQ_SAFE", "Seguro segun ZAQ (1 si)", 1, 1, 0);
    setCriticalParameter("ZAQ_SAFE");
    UpdatePeriodNP[0].setValue(kDefaultUpdateSeconds);
    addDebugControl();
    return true;
}

// The program may start after the driver: not reaching it is an Alert of each update, not a
// failed connection.
bool ZaqWeatherDriver::Connect() {
    if (!bus_.read().reached) {
        LOG_WARN(
            "ZAQ no responde en D-Bus (zaq.Weather); el estado sera Alerta hasta que responda.");
    }
    return true;
}

IPState ZaqWeatherDriver::updateWeather() {
    const ZaqSnapshot snapshot = bus_.read();
    if (!snapshot.reached && snapshot.failure != lastFailure_) {
        LOGF_ERROR("ZAQ no responde: %s", snapshot.failure.toUtf8().constData());
    }
    lastFailure_ = snapshot.reached ? QString() : snapshot.failure;
    for (const WeatherValue& v : weatherValues(snapshot)) {
        if (!std::isnan(v.value)) {
            setParameterValue(v.name, v.value);
        }
    }
    return IPS_OK;
}

}  // namespace zaq::indi
