#pragma once

#include <QString>
#include <array>

#include "base/ClosingLimits.h"

namespace zaq {

// The configuration values the program works with, loaded from "zaq.cfg". Every member starts
// at the value it has when there is no file.
struct Configuration {
    // Calibration copies.
    int rainGaugeFactor = 84;
    int cloudLimitText = 125;
    int barometerOffset = -6;
    int altitudeM = 620;
    double daylightGain = 1.0;
    double cloudGain = 1.0;
    double skyGain = 0;
    double skyOffset = 0;
    int solarOffset = 13;
    int anemometerArmMm = 10;
    int thermalAnemometerFactor = 0;
    int thermalAnemometerK2 = 1345;
    bool wmr968Messages = false;
    bool tx20 = false;

    // Communication.
    bool master = true;
    int serialPort = 1;
    bool networkMode = false;
    QString stationAddress = QStringLiteral("255.100.20.15");
    QString stationPort = QStringLiteral("20108");
    bool pingInternet = false;
    QString pingHost = QStringLiteral("192.168.0.90");

    // Options.
    bool autoShutdown = false;
    bool reloadGraphs = false;
    int dataIntervalMinutes = 1;
    bool fiveSecondFile = false;
    bool acousticAlarm = false;
    int skyRangeIndex = 0;
    int chartIntervalMinutes = 3;

    // Directories: prefixes to which file names are appended.
    QString dataDirectory = QStringLiteral("./");
    QString graphsDirectory = QStringLiteral("./");
    QString capturesDirectory = QStringLiteral("./");

    // Cameras.
    std::array<bool, 4> ipVideoChannels{};
    bool ipVideoCapture = false;
    bool ipVideoArchive = false;
    int ipVideoIntervalMinutes = 10;
    QString ipVideoAddress = QStringLiteral("127.0.0.1");
    bool cameraCapture = false;
    bool cameraArchive = false;
    int cameraIntervalMinutes = 0;
    QString cameraAddress = QStringLiteral("192.168.0.20");
    QString cameraOutputFile = QStringLiteral("./");
    QString cameraUser;
    QString cameraPassword;

    // Site.
    QString stationName;
    double latitude = 40.0;
    double longitude = -3.0;
    int hoursFromUt = 1;

    ClosingLimits limits;
};

}  // namespace zaq
