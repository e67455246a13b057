#include "settings/PcSettings.h"

#include <cmath>

#include "base/ProgramVersion.h"
#include "base/GraphsForm.h"
#include "settings/ConfigFile.h"
#include "settings/ConfigImage.h"
#include "settings/ConfigLayout.h"
#include "base/Configuration.h"
#include "base/SettingsForm.h"
#include "base/StationFlags.h"
#include "ui/NumberFormat.h"
#include "ui/Prompter.h"
#include "ui/UserNumber.h"

namespace zaq {

using namespace cfglayout;

namespace {

QString integerText(int v) {
    return QString::number(v);
}

// Degrees and whole minutes of an unsigned coordinate; the minutes are truncated.
void showCoordinate(double value, Edit& degrees, Edit& minutes, Edit& side, const char* negative,
                    const char* positive) {
    side.text = QString::fromLatin1(value < 0 ? negative : positive);
    const double magnitude = std::fabs(value);
    const double whole = std::trunc(magnitude);
    degrees.text = integerText(static_cast<int>(whole));
    minutes.text = integerText(static_cast<int>(std::trunc((magnitude - whole) * 60.0)));
}

// "%03.3f" copied as seven bytes: shorter values leave zero bytes after them. Qt formats with a
// decimal point whatever the Linux locale says.
QString coordinateText(double degrees) {
    return QString::asprintf("%03.3f", degrees).left(kCoordinateWidth);
}

}  // namespace

void PcSettings::fillFields() {
    fillCommunication();
    fillPlaces();
    fillCameras();
    fillStationFields();
    fillSite();
    const int range = p_.config.skyRangeIndex;
    if (range >= 1 && range <= 3) {
        p_.selectSkyRange(range);
    }
    p_.form.window.caption = QStringLiteral("Configuración v: ") + programVersionText();
}

void PcSettings::fillCommunication() {
    SettingsForm& f = p_.form;
    const Configuration& c = p_.config;
    f.EPuerto.text = integerText(c.serialPort);
    f.CBDatosUDP.checked = c.networkMode;
    f.EDirCOR.text = c.stationAddress;
    f.EPuertoEth.text = c.stationPort;
    f.CBmaster.checked = c.master;
    f.CBPingInternet.checked = c.pingInternet;
    f.EPingInternet.text = c.pingHost;
}

void PcSettings::fillPlaces() {
    SettingsForm& f = p_.form;
    const Configuration& c = p_.config;
    f.EDirectorio.text = c.dataDirectory;
    f.Ejpg.text = c.graphsDirectory;
    f.EFich5sg.text = c.capturesDirectory;
    f.CB1minuto.checked = c.dataIntervalMinutes == 1;
    f.CB5sg.checked = c.fiveSecondFile;
    f.CBAlarmaAcustica.checked = c.acousticAlarm;
    f.CBAutoShutDawn.checked = c.autoShutdown;
    f.CBDatalogger.checked = c.reloadGraphs;
    f.ETiempoJpg.text = integerText(c.chartIntervalMinutes);
}

void PcSettings::fillCameras() {
    SettingsForm& f = p_.form;
    const Configuration& c = p_.config;
    f.EdirIPcamara.text = c.ipVideoAddress;
    f.CBCapturarIPcam.checked = c.ipVideoCapture;
    CheckBox* channels[] = {&f.CBipvideo1, &f.CBipvideo2, &f.CBipvideo3, &f.CBipvideo4};
    for (std::size_t i = 0; i < 4; ++i) {
        channels[i]->checked = c.ipVideoChannels[i];
    }
    f.CBalmacenar.checked = c.ipVideoArchive;
    f.EtiempoTomasIPcam.text = integerText(c.ipVideoIntervalMinutes);
    f.EdirCamaraPI.text = c.cameraAddress;
    f.CBCapturarPI.checked = c.cameraCapture;
    f.CBalmacenarPI.checked = c.cameraArchive;
    f.EtiempoTomasPI.text = integerText(c.cameraIntervalMinutes);
    f.EUserPI.text = c.cameraUser;
    f.EPassPI.text = c.cameraPassword;
    f.EjpgPI.text = c.cameraOutputFile;
}

// The PC's copies of the station's limits and calibration constants.
void PcSettings::fillStationFields() {
    SettingsForm& f = p_.form;
    const Configuration& c = p_.config;
    const ClosingLimits& l = c.limits;
    f.ELimiteLluvia.text = integerText(l.rainPercent);
    f.ELimiteNubes.text = integerText(l.cloudPercent);
    f.ELimiteLuznoche.text = formatNumber(l.skyMagnitude, 4, 1);
    f.ELimiteKmh.text = integerText(l.windKmh);
    f.ELimiteKmhMedia.text = integerText(l.meanWindKmh);
    f.ELimiteKmhT.text = integerText(l.thermalWindKmh);
    f.ELimiteEspera.text = integerText(l.pcWaitSeconds);
    f.ELimiteFuente.text = formatNumber(l.supplyVolts, 4, 1);
    f.ELimiteRocio.text = integerText(l.dewMarginC);

    f.EKPluvio.text = integerText(c.rainGaugeFactor);
    f.EOffset_Bar.text = integerText(c.barometerOffset);
    f.EAltura_Bar.text = integerText(c.altitudeM);
    f.EOffset_UV.text = formatNumber(c.solarOffset, 4, 0);
    f.EKAnem_mec.text = integerText(c.anemometerArmMm);
    f.CBtx20.checked = c.tx20;
    f.CBoregon.checked = c.wmr968Messages;
    f.EKAnem_1631.text = integerText(c.thermalAnemometerFactor);
    f.EK2Anem_term.text = integerText(c.thermalAnemometerK2);
    f.EGNubes.text = formatNumber(c.cloudGain, 4, 1);
    f.EGLuzdia.text = formatNumber(c.daylightGain, 4, 2);
    f.EOfsetVcc.text = QStringLiteral("0");
    f.EOfsetMagV.text = formatNumber(c.skyOffset, 4, 1);
    f.EGMagV.text = formatNumber(c.skyGain, 4, 2);
}

void PcSettings::fillSite() {
    SettingsForm& f = p_.form;
    const Configuration& c = p_.config;
    f.Eident.text = c.stationName;
    showCoordinate(c.latitude, f.ELatGrad, f.ELatMin, f.Ens, "S", "N");
    showCoordinate(c.longitude, f.ELongHoras, f.ELongMin, f.Eeo, "O", "E");
    f.EHorasTU.text = integerText(c.hoursFromUt);
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

// In the order the station PC always wrote them; each text is also taken at once.
void PcSettings::storeFlagsAndTexts() {
    const SettingsForm& f = p_.form;
    ConfigImage& im = p_.image;
    Configuration& c = p_.config;

    im.writeFlag(kMaster, f.CBmaster.checked);
    const CheckBox* channels[] = {&f.CBipvideo1, &f.CBipvideo2, &f.CBipvideo3, &f.CBipvideo4};
    for (int i = 0; i < 4; ++i) {
        im.writeFlag(kIpVideoChannel1 + i, channels[i]->checked);
    }
    im.writeFlag(kPingInternet, f.CBPingInternet.checked);
    im.writeFlag(kAutoShutdown, f.CBAutoShutDawn.checked);
    im.writeFlag(kReloadGraphs, f.CBDatalogger.checked);
    im.writeText(kSerialPort, 2, f.EPuerto.text);
    im.writeChar(kDataInterval, f.CB1minuto.checked ? '1' : '5');
    im.writeFlag(kFiveSecondFile, f.CB5sg.checked);
    im.writeFlag(kNetworkMode, f.CBDatosUDP.checked);
    im.writeFlag(kAcousticAlarm, f.CBAlarmaAcustica.checked);
    im.writeFlag(kIpVideoCapture, f.CBCapturarIPcam.checked);
    im.writeFlag(kIpVideoArchive, f.CBalmacenar.checked);
    im.writeFlag(kCameraCapture, f.CBCapturarPI.checked);
    im.writeFlag(kCameraArchive, f.CBalmacenarPI.checked);

    im.writeZeroTerminated(kDataDirectory, kDirectorySpaces, kDirectoryMax, f.EDirectorio.text);
    c.dataDirectory = f.EDirectorio.text.left(kDirectoryMax);
    im.writeZeroTerminated(kGraphsDirectory, kDirectorySpaces, kDirectoryMax, f.Ejpg.text);
    c.graphsDirectory = f.Ejpg.text.left(kDirectoryMax);
    im.writeZeroTerminated(kCapturesDirectory, kDirectorySpaces, kDirectoryMax, f.EFich5sg.text);
    c.capturesDirectory = f.EFich5sg.text.left(kDirectoryMax);

    const int range = p_.graphs.RGCielo.itemIndex;
    im.writeChar(kSkyRange, range >= 1 && range <= 3 ? static_cast<char>('0' + range) : '0');

    im.writeZeroTerminated(kPingHost, kHostSpaces, kPingHostMax, f.EPingInternet.text);
    c.pingHost = f.EPingInternet.text.left(kPingHostMax);
    im.writeZeroTerminated(kStationAddress, kHostSpaces, kStationAddressMax, f.EDirCOR.text);
    c.stationAddress = f.EDirCOR.text.left(kStationAddressMax);
    im.writeText(kStationPort, kPortBlankEnd - kStationPort,
                 QString(kPortBlankEnd - kStationPort, u' '));
    im.writeChar(kPortBlankEnd, '\0');
    im.writeText(kStationPort, kPortWidth, f.EPuertoEth.text);
    c.stationPort = f.EPuertoEth.text.left(kPortWidth);

    im.writeText(kChartInterval, 2, f.ETiempoJpg.text);
    im.writeText(kIpVideoInterval, 2, f.EtiempoTomasIPcam.text);
    im.writeText(kCameraInterval, 2, f.EtiempoTomasPI.text);
    im.writeZeroTerminated(kIpVideoAddress, kHostSpaces, kCameraAddressMax, f.EdirIPcamara.text);

    im.writeText(kCameraUser, kCredentialWidth, f.EUserPI.text);
    c.cameraUser = f.EUserPI.text.left(kCredentialWidth);
    im.writeText(kCameraPassword, kCredentialWidth, f.EPassPI.text);
    c.cameraPassword = f.EPassPI.text.left(kCredentialWidth);
    im.writeZeroTerminated(kCameraAddress, kHostSpaces, kCameraAddressMax, f.EdirCamaraPI.text);
    c.cameraAddress = f.EdirCamaraPI.text.left(kCameraAddressMax);
    im.writeZeroTerminated(kCameraOutputFile, kOutputFileSpaces, kOutputFileMax, f.EjpgPI.text);
    c.cameraOutputFile = f.EjpgPI.text.left(kOutputFileMax);
    im.writeText(kStationName, kStationNameWidth, f.Eident.text);
    c.stationName = f.Eident.text.left(kStationNameWidth);
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
