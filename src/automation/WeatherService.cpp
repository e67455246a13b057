#include "automation/WeatherService.h"

#include "base/Clock.h"
#include "base/CurrentReadings.h"
#include "base/MainForm.h"
#include "base/MasterPc.h"
#include "base/MessagesList.h"
#include "base/RoofState.h"
#include "base/SafetyState.h"
#include "base/SettingsForm.h"
#include "station/CommandQueue.h"
#include "station/LastDataMessage.h"
#include "station/StationDispatcher.h"
#include "ui/Windows1252.h"

namespace zaq {

double WeatherService::ambientTemperature() const {
    return d_.readings.temperatureX10 * 0.1;
}
bool WeatherService::safe() const {
    return d_.safety.openingPermitted;
}
double WeatherService::clouds() const {
    return d_.readings.cloudX10 * 0.001;
}
// Whole numbers drop their fraction towards zero.
int WeatherService::skyQuality() const {
    return static_cast<int>(d_.readings.skyMagnitude);
}
bool WeatherService::precipitation() const {
    return d_.readings.rainSensorX10 >= 3;
}
QString WeatherService::name() {
    return QStringLiteral("ZAQ Estacion meteorologica del observatorio");
}
QString WeatherService::mensajeZaq() const {
    return decodeWindows1252(d_.lastMessage.text());
}
double WeatherService::barometricPressure() const {
    return d_.readings.pressureSeaX10 * 0.1;
}
int WeatherService::dewPoint() const {
    return d_.readings.dewPointX10 / 10;
}
// Whole percent, not the fraction the member's help string promises.
int WeatherService::relativeHumidity() const {
    return d_.readings.humidityX10 / 10;
}
int WeatherService::windDirection() const {
    return d_.readings.windDirectionDeg;
}
// The mechanical anemometer in whole km/h, not the knots of the help string.
int WeatherService::windVelocity() const {
    return static_cast<int>(d_.readings.windKmh);
}
// A station reported silent is not connected, whatever the client said.
bool WeatherService::connected() const {
    return !stationSilent() && automationConnected_;
}

bool WeatherService::roofOpen() const {
    return openForAutomation(roofState(d_.main.PTecho));
}
// The client is trusted: neither the limits nor the master setting are looked at.
void WeatherService::openShutter() {
    if (!roofOpen()) {
        d_.queue.enqueueCommand("(X001)");
    }
}
void WeatherService::closeShutter() {
    if (roofOpen()) {
        d_.queue.enqueueCommand("(X000)");
    }
}
int WeatherService::shutterStatus() const {
    return roofOpen() ? 0 : 1;
}
double WeatherService::skyMagnitude() const {
    return d_.readings.skyMagnitude;
}
void WeatherService::requireMaster() const {
    if (!isMasterPc(d_.settings)) {
        throw WeatherError(listenOnlyText().toStdString());
    }
}

// Both open states count as open here, so that a roof reported open is always closed.
void WeatherService::openRoofChecked() {
    requireMaster();
    if (!safe()) {
        throw WeatherError(openingRefusedText().toStdString());
    }
    if (!openForRoofButton(roofState(d_.main.PTecho))) {
        d_.queue.enqueueCommand("(X001)");
        order_ = Order::Open;
    }
}
void WeatherService::closeRoofChecked() {
    requireMaster();
    if (openForRoofButton(roofState(d_.main.PTecho))) {
        d_.queue.enqueueCommand("(X000)");
        order_ = Order::Close;
    }
}

// The station's echo of an order names the movement until the next data message reports the
// roof; an order not yet echoed holds until the roof stands where it was sent.
WeatherService::RoofMotion WeatherService::roofMotion() {
    if (stationSilent()) {
        return RoofMotion::Error;
    }
    const QString& caption = d_.main.PTecho.text;
    if (caption == QLatin1String("Abriendo Obs.") || caption == QLatin1String("Cerrando Obs.")) {
        order_ = Order::None;
        return caption.startsWith(u'A') ? RoofMotion::Opening : RoofMotion::Closing;
    }
    const bool open = openForRoofButton(roofState(d_.main.PTecho));
    if (order_ == Order::Open && !open) {
        return RoofMotion::Opening;
    }
    if (order_ == Order::Close && open) {
        return RoofMotion::Closing;
    }
    order_ = Order::None;
    return open ? RoofMotion::Open : RoofMotion::Closed;
}

bool WeatherService::stationSilent() const {
    return d_.main.LRx.fontColour == colours::red;
}
bool WeatherService::master() const {
    return isMasterPc(d_.settings);
}
RoofState WeatherService::reportedRoof() const {
    return roofState(d_.main.PTecho);
}
bool WeatherService::readingsReceived() const {
    return d_.readings.readingsValid;
}
double WeatherService::secondsSinceReadings() const {
    return (d_.clock.tickMs() - d_.readings.readingsTickMs) / 1000.0;
}
std::optional<double> WeatherService::skyTemperature() const {
    if (!d_.readings.skyTemperatureValid) {
        return std::nullopt;
    }
    return d_.readings.skyTemperatureC;
}
QString WeatherService::stationName() const {
    return d_.settings.Eident.text;
}

void WeatherService::setupDialog() {
    d_.main.window.show();
    d_.settings.window.show();
}

// The text goes through the dispatcher as station bytes, in pieces it accepts, then into the
// messages list whatever its filters say.
void WeatherService::mensajeCor(const QString& text) {
    const QByteArray bytes = encodeWindows1252(text);
    for (qsizetype at = 0; at < bytes.size(); at += StationDispatcher::kMaxAppend) {
        d_.feedStationBytes(bytes.mid(at, StationDispatcher::kMaxAppend));
    }
    d_.messages.addMessage(text);
}

}  // namespace zaq
