#include "settings/ConfigFile.h"

#include <QFile>

#include "settings/ConfigImage.h"
#include "settings/ConfigLayout.h"
#include "base/Configuration.h"
#include "ui/TextFile.h"

namespace zaq {

using namespace cfglayout;

void ConfigFile::loadConfiguration() {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        config_ = Configuration{};
        return;
    }
    // Room for every byte of the image to have been written as a CR LF pair.
    image_.loadFileBytes(file.read(2 * ConfigImage::kSize));
    readValues();
}

bool ConfigFile::writeConfiguration() const {
    return replaceFile(path_, image_.fileBytes(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void ConfigFile::readValues() {
    const ConfigImage& im = image_;
    Configuration& c = config_;

    c.rainGaugeFactor = im.readDecimal(kRainGaugeFactor, 3);
    c.cloudLimitText = im.readDecimal(kCloudLimitText, 3);
    c.barometerOffset = im.readDecimal(kBarometerOffset, 3);
    c.altitudeM = im.readDecimal(kAltitude, 4);
    c.daylightGain = im.readScaled(kDaylightGain, 3, 100);
    c.cloudGain = im.readScaled(kCloudGain, 3, 10);
    c.skyGain = im.readScaled(kSkyGain, 3, 100);
    c.master = im.readFlag(kMaster);
    for (int i = 0; i < 4; ++i) {
        c.ipVideoChannels[static_cast<std::size_t>(i)] = im.readFlag(kIpVideoChannel1 + i);
    }
    c.wmr968Messages = im.readFlag(kWmr968);
    c.tx20 = im.readFlag(kTx20);
    c.pingInternet = im.readFlag(kPingInternet);
    c.autoShutdown = im.readFlag(kAutoShutdown);
    c.reloadGraphs = im.readFlag(kReloadGraphs);
    c.skyOffset = im.readScaled(kSkyOffset, 3, 10);
    c.solarOffset = static_cast<int>(im.readNumber(kSolarOffset, 3));
    c.anemometerArmMm = im.readDecimal(kAnemometerArm, 3);
    c.thermalAnemometerFactor = im.readDecimal(kThermalFactor, 4);
    c.thermalAnemometerK2 = im.readDecimal(kThermalK2, 4);
    c.serialPort = im.readDecimal(kSerialPort, 2);
    c.dataIntervalMinutes = im.readDecimal(kDataInterval, 1) == 1 ? 1 : 5;
    c.fiveSecondFile = im.readFlag(kFiveSecondFile);
    c.networkMode = im.readFlag(kNetworkMode);
    c.acousticAlarm = im.readFlag(kAcousticAlarm);
    c.ipVideoCapture = im.readFlag(kIpVideoCapture);
    c.ipVideoArchive = im.readFlag(kIpVideoArchive);
    c.cameraCapture = im.readFlag(kCameraCapture);
    c.cameraArchive = im.readFlag(kCameraArchive);

    c.dataDirectory = im.readZeroTerminated(kDataDirectory, kDirectoryMax);
    c.graphsDirectory = im.readZeroTerminated(kGraphsDirectory, kDirectoryMax);
    c.capturesDirectory = im.readZeroTerminated(kCapturesDirectory, kDirectoryMax);

    ClosingLimits& l = c.limits;
    l.rainPercent = im.readDecimal(kLimitRain, 3);
    l.cloudPercent = im.readDecimal(kLimitCloud, 3);
    l.skyMagnitude = static_cast<float>(im.readScaled(kLimitSky, 3, 10));
    l.windKmh = im.readDecimal(kLimitWind, 3);
    l.meanWindKmh = im.readDecimal(kLimitMeanWind, 3);
    l.thermalWindKmh = im.readDecimal(kLimitThermalWind, 3);
    l.supplyVolts = static_cast<float>(im.readScaled(kLimitSupply, 3, 10));
    l.pcWaitSeconds = im.readDecimal(kLimitPcWait, 3);
    l.dewMarginC = im.readDecimal(kLimitDew, 3);

    c.skyRangeIndex = im.charAt(kSkyRange) - '0';
    c.pingHost = im.readZeroTerminated(kPingHost, kPingHostMax);
    c.stationAddress = im.readZeroTerminated(kStationAddress, kStationAddressMax);
    c.stationPort = im.readText(kStationPort, kPortWidth);
    const int chartInterval = im.readDecimal(kChartInterval, 2);
    c.chartIntervalMinutes = chartInterval > 0 ? chartInterval : 3;
    c.ipVideoIntervalMinutes = im.readDecimal(kIpVideoInterval, 2);
    c.cameraIntervalMinutes = im.readDecimal(kCameraInterval, 2);
    c.ipVideoAddress = im.readZeroTerminated(kIpVideoAddress, kCameraAddressMax);
    c.stationName = im.readText(kStationName, kStationNameWidth);
    c.cameraUser = im.readText(kCameraUser, kCredentialWidth);
    c.cameraPassword = im.readText(kCameraPassword, kCredentialWidth);

    c.latitude = im.readNumber(kLatitude, kCoordinateWidth);
    if (im.charAt(kLatitudeHemisphere) == 'S') {
        c.latitude = -c.latitude;
    }
    c.longitude = im.readNumber(kLongitude, kCoordinateWidth);
    const char side = im.charAt(kLongitudeSide);
    if (side == 'O' || side == 'W') {
        c.longitude = -c.longitude;
    }
    c.hoursFromUt = static_cast<signed char>(im.charAt(kHoursFromUt));
    c.cameraAddress = im.readZeroTerminated(kCameraAddress, kCameraAddressMax);
    c.cameraOutputFile = im.readZeroTerminated(kCameraOutputFile, kOutputFileMax);
}

}  // namespace zaq
