#include "station/LiveReadings.h"

#include <cmath>
#include <numbers>

#include "base/Clock.h"
#include "base/CurrentReadings.h"
#include "base/ReadingSums.h"
#include "base/SettingsForm.h"
#include "base/StationFlags.h"
#include "station/DataMessageLayout.h"
#include "station/SkyBrightness.h"
#include "station/StationHooks.h"

namespace zaq {

void LiveReadings::applyLiveMessage(const char* message) {
    readings_.roofLetter = message[datafield::roof.pos];
    readings_.heaterLetter = message[datafield::heater.pos];
    readClimate(message);
    readings_.rainSensorX10 = readField(message, datafield::rainSensor);
    sums_.rainSensorSum += static_cast<float>(readings_.rainSensorX10);
    readRain(message);
    readings_.cloudX10 = readField(message, datafield::cloud);
    sums_.cloudSum += static_cast<float>(readings_.cloudX10);
    readSupply(message);
    readings_.daylight = static_cast<float>(readField(message, datafield::daylight));
    sums_.daylightSum += readings_.daylight;
    readSky(message);
    readPressures(message);
    readWind(message);
    runFollowUp();
    readings_.readingsValid = true;
    readings_.readingsTickMs = clock_.tickMs();
}

// Temperature, humidity and dew point; the heater letter 'p' says they are not in this message.
void LiveReadings::readClimate(const char* message) {
    if (readings_.heaterLetter == 'p') {
        return;
    }
    readings_.temperatureX10 = readField(message, datafield::temperature);
    sums_.temperatureSum += readings_.temperatureX10;
    readings_.humidityX10 = readField(message, datafield::humidity);
    // A reading under 5.0 % is the sensor saturated: taken as 99.0 %.
    if (readings_.humidityX10 < 50) {
        readings_.humidityX10 = 990;
    }
    sums_.humiditySum += readings_.humidityX10;
    readings_.dewPointX10 = readField(message, datafield::dewPoint);
    sums_.dewPointSum += readings_.dewPointX10;
}

void LiveReadings::readRain(const char* message) {
    const float rainToday = static_cast<float>(readField(message, datafield::rainToday));
    // The station's rain day ends around midnight: the closing day is recorded from the values
    // still stored.
    if (rainToday < readings_.rainTodayTenths && nearMidnight()) {
        followUp_.writeRainSummary();
    }
    readings_.rainTodayTenths = rainToday;
    readings_.rainTotalMm = static_cast<float>(readField(message, datafield::rainTotal));
    const float month = readings_.rainTotalMm - followUp_.monthStartRainTotalMm() +
                        readings_.rainTodayTenths * 0.1f;
    readings_.rainMonthValid = month >= 0 && std::fabs(std::trunc(month)) < 1000;
    if (readings_.rainMonthValid) {
        readings_.rainMonthMm = month;
    }
}

bool LiveReadings::nearMidnight() const {
    const int hour = clock_.now().time().hour();
    return hour == 0 || hour == 23;
}

void LiveReadings::readSupply(const char* message) {
    readings_.supplyTenthsV = byteAt(message, datafield::supply);
    if (readings_.supplyTenthsV > 80) {
        flags_.supplyStopAlarm = false;
        flags_.supplyStopLogged = false;
    }
}

void LiveReadings::readSky(const char* message) {
    const int exponent = byteAt(message, datafield::skyExponent) - '0';
    const int mantissa = readField(message, datafield::skyMantissa);
    readings_.skyMagnitude = skyMagnitudeFromHz(skyFrequencyHz(mantissa, exponent));
    sums_.skyMagnitudeSum += readings_.skyMagnitude;
}

void LiveReadings::readPressures(const char* message) {
    readings_.pressureSeaX10 = static_cast<float>(readField(message, datafield::pressureSea));
    if (sums_.sampleCount < 0) {
        followUp_.showSeaPressure();
    }
    sums_.pressureSeaSum += readings_.pressureSeaX10 * 0.1f;
    readings_.pressureAbsX10 = static_cast<float>(readField(message, datafield::pressureAbs));
    if (sums_.sampleCount < 0) {
        sums_.sampleCount = 1;
        followUp_.showAbsolutePressure();
    }
    sums_.pressureAbsSum += readings_.pressureAbsX10 * 0.1f;
}

void LiveReadings::readWind(const char* message) {
    readings_.windRawX10 = readField(message, datafield::wind);
    readings_.windKmh = static_cast<float>(readings_.windRawX10) * 0.1f;
    sums_.windSum += readings_.windKmh;
    if (readings_.windKmh > readings_.windMaxKmh) {
        readings_.windMaxKmh = readings_.windKmh;
    }
    if (readings_.windKmh < readings_.windMinKmh) {
        readings_.windMinKmh = readings_.windKmh;
    }

    readings_.windMeanKmh = static_cast<float>(readField(message, datafield::windMean));
    sums_.windMeanSum += readings_.windMeanKmh;
    readings_.windGustKmh =
        readings_.windMeanKmh + 1.0f < readings_.windKmh ? readings_.windKmh : 0.0f;

    readings_.windDirectionDeg = readField(message, datafield::direction);
    const double radians = readings_.windDirectionDeg / 360.0 * 2 * std::numbers::pi;
    sums_.dirSinSum += std::sin(radians);
    sums_.dirCosSum += std::cos(radians);

    readings_.windThermalKmh = static_cast<float>(
        readPointBeforeLast(message + datafield::windThermal.pos, datafield::windThermal.width, 1));
    sums_.windThermalSum += readings_.windThermalKmh;
}

void LiveReadings::runFollowUp() {
    followUp_.refreshLivePanel();
    followUp_.evaluateSafety();
    if (settings_.CB5sg.checked) {
        followUp_.writeFiveSecondLine();
    }
    if (flags_.minuteFlag) {
        followUp_.runPeriodicProcessing();
        followUp_.saveGraphFile();
    }
}

}  // namespace zaq
