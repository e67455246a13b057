#pragma once

namespace zaq::cfglayout {

// Offsets of the fields of "zaq.cfg" and their widths.
inline constexpr int kPrefix = 0;  // "cfg:" and a zero byte
inline constexpr int kRainGaugeFactor = 5;
inline constexpr int kCloudLimitText = 9;
inline constexpr int kBarometerOffset = 13;
inline constexpr int kAltitude = 17;
inline constexpr int kDaylightGain = 21;
inline constexpr int kCloudGain = 25;
inline constexpr int kSkyGain = 29;
inline constexpr int kMaster = 35;
inline constexpr int kIpVideoChannel1 = 36;  // channels 1 to 4 at 36…39
inline constexpr int kWmr968 = 40;
inline constexpr int kTx20 = 41;
inline constexpr int kPingInternet = 45;
inline constexpr int kAutoShutdown = 47;
inline constexpr int kReloadGraphs = 48;
inline constexpr int kSkyOffset = 49;
inline constexpr int kSolarOffset = 53;
inline constexpr int kAnemometerArm = 58;
inline constexpr int kThermalFactor = 62;
inline constexpr int kThermalK2 = 67;
inline constexpr int kSerialPort = 71;
inline constexpr int kDataInterval = 73;
inline constexpr int kFiveSecondFile = 75;
inline constexpr int kNetworkMode = 77;
inline constexpr int kAcousticAlarm = 79;
inline constexpr int kIpVideoCapture = 81;
inline constexpr int kIpVideoArchive = 82;
inline constexpr int kCameraCapture = 85;
inline constexpr int kCameraArchive = 86;
inline constexpr int kSkyGainCopy = 100;
inline constexpr int kDataDirectory = 110;
inline constexpr int kGraphsDirectory = 210;
inline constexpr int kCapturesDirectory = 310;
inline constexpr int kLimitRain = 400;
inline constexpr int kLimitCloud = 405;
inline constexpr int kLimitSky = 410;
inline constexpr int kLimitWind = 415;
inline constexpr int kLimitMeanWind = 420;
inline constexpr int kLimitThermalWind = 425;
inline constexpr int kLimitSupply = 430;
inline constexpr int kLimitPcWait = 435;
inline constexpr int kLimitDew = 440;
inline constexpr int kSkyRange = 455;
inline constexpr int kPingHost = 510;
inline constexpr int kStationAddress = 610;
inline constexpr int kStationPort = 690;
inline constexpr int kChartInterval = 702;
inline constexpr int kIpVideoInterval = 705;
inline constexpr int kCameraInterval = 708;
inline constexpr int kIpVideoAddress = 710;
inline constexpr int kStationName = 810;
inline constexpr int kCameraUser = 850;
inline constexpr int kCameraPassword = 860;
inline constexpr int kLatitude = 870;
inline constexpr int kLatitudeHemisphere = 878;
inline constexpr int kLongitude = 880;
inline constexpr int kLongitudeSide = 888;
inline constexpr int kHoursFromUt = 891;
inline constexpr int kCameraAddress = 900;
inline constexpr int kCameraOutputFile = 950;

// Zero-terminated fields: blanks written first, and the most characters read back.
inline constexpr int kDirectorySpaces = 36;
inline constexpr int kDirectoryMax = 89;
inline constexpr int kHostSpaces = 48;
inline constexpr int kPingHostMax = 89;
inline constexpr int kStationAddressMax = 79;
inline constexpr int kCameraAddressMax = 49;
inline constexpr int kOutputFileSpaces = 30;
inline constexpr int kOutputFileMax = 29;
inline constexpr int kStationNameWidth = 30;
inline constexpr int kCredentialWidth = 10;
inline constexpr int kPortWidth = 5;
inline constexpr int kPortBlankEnd = 700;  // the port's save blanks 690…699 and zeroes 700
inline constexpr int kCoordinateWidth = 7;

}  // namespace zaq::cfglayout
