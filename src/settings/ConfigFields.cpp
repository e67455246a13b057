#include "settings/ConfigFields.h"

#include <array>
#include <type_traits>

#include "base/Configuration.h"
#include "base/SettingsForm.h"
#include "settings/ConfigImage.h"
#include "settings/ConfigLayout.h"
#include "ui/NumberFormat.h"

namespace zaq {
namespace {

using namespace cfglayout;
using Kind = ConfigField::Kind;
using Save = ConfigField::Save;
using C = Configuration;
using L = ClosingLimits;
using F = SettingsForm;

constexpr std::monostate kNoControl{};

// clang-format off
const std::array kFields = {
    // Calibration copies.
    ConfigField{kRainGaugeFactor, Kind::Integer, 3, 0, Save::Calibration, false, &C::rainGaugeFactor, &F::EKPluvio},
    ConfigField{kCloudLimitText, Kind::Integer, 3, 0, Save::Calibration, false, &C::cloudLimitText, kNoControl},
    ConfigField{kBarometerOffset, Kind::Integer, 3, 0, Save::Calibration, false, &C::barometerOffset, &F::EOffset_Bar},
    ConfigField{kAltitude, Kind::Integer, 4, 0, Save::Calibration, false, &C::altitudeM, &F::EAltura_Bar},
    ConfigField{kDaylightGain, Kind::Scaled, 3, 100, Save::Calibration, false, &C::daylightGain, &F::EGLuzdia},
    ConfigField{kCloudGain, Kind::Scaled, 3, 10, Save::Calibration, false, &C::cloudGain, &F::EGNubes},
    ConfigField{kSkyGain, Kind::Scaled, 3, 100, Save::Calibration, false, &C::skyGain, &F::EGMagV},
    ConfigField{kWmr968, Kind::Flag, 1, 0, Save::Calibration, false, &C::wmr968Messages, &F::CBoregon},
    ConfigField{kTx20, Kind::Flag, 1, 0, Save::Calibration, false, &C::tx20, &F::CBtx20},
    ConfigField{kSkyOffset, Kind::Scaled, 3, 10, Save::Calibration, false, &C::skyOffset, &F::EOfsetMagV},
    ConfigField{kSolarOffset, Kind::Number, 3, 0, Save::Calibration, false, &C::solarOffset, &F::EOffset_UV},
    ConfigField{kAnemometerArm, Kind::Integer, 3, 0, Save::Calibration, false, &C::anemometerArmMm, &F::EKAnem_mec},
    ConfigField{kThermalFactor, Kind::Integer, 4, 0, Save::Calibration, false, &C::thermalAnemometerFactor, &F::EKAnem_1631},
    ConfigField{kThermalK2, Kind::Integer, 4, 0, Save::Calibration, false, &C::thermalAnemometerK2, &F::EK2Anem_term},
    // Closing limits.
    ConfigField{kLimitRain, Kind::Integer, 3, 0, Save::Limits, false, &L::rainPercent, &F::ELimiteLluvia},
    ConfigField{kLimitCloud, Kind::Integer, 3, 0, Save::Limits, false, &L::cloudPercent, &F::ELimiteNubes},
    ConfigField{kLimitSky, Kind::Scaled, 3, 10, Save::Limits, false, &L::skyMagnitude, &F::ELimiteLuznoche},
    ConfigField{kLimitWind, Kind::Integer, 3, 0, Save::Limits, false, &L::windKmh, &F::ELimiteKmh},
    ConfigField{kLimitMeanWind, Kind::Integer, 3, 0, Save::Limits, false, &L::meanWindKmh, &F::ELimiteKmhMedia},
    ConfigField{kLimitThermalWind, Kind::Integer, 3, 0, Save::Limits, false, &L::thermalWindKmh, &F::ELimiteKmhT},
    ConfigField{kLimitSupply, Kind::Scaled, 3, 10, Save::Limits, false, &L::supplyVolts, &F::ELimiteFuente},
    ConfigField{kLimitPcWait, Kind::Integer, 3, 0, Save::Limits, false, &L::pcWaitSeconds, &F::ELimiteEspera},
    ConfigField{kLimitDew, Kind::Integer, 3, 0, Save::Limits, false, &L::dewMarginC, &F::ELimiteRocio},
    // The PC's own settings, in the order "Guardar Configuración" writes them.
    ConfigField{kMaster, Kind::Flag, 1, 0, Save::Pc, false, &C::master, &F::CBmaster},
    ConfigField{kPingInternet, Kind::Flag, 1, 0, Save::Pc, false, &C::pingInternet, &F::CBPingInternet},
    ConfigField{kAutoShutdown, Kind::Flag, 1, 0, Save::Pc, false, &C::autoShutdown, &F::CBAutoShutDawn},
    ConfigField{kReloadGraphs, Kind::Flag, 1, 0, Save::Pc, false, &C::reloadGraphs, &F::CBDatalogger},
    ConfigField{kSerialPort, Kind::Integer, 2, 0, Save::Pc, false, &C::serialPort, &F::EPuerto},
    ConfigField{kFiveSecondFile, Kind::Flag, 1, 0, Save::Pc, false, &C::fiveSecondFile, &F::CB5sg},
    ConfigField{kNetworkMode, Kind::Flag, 1, 0, Save::Pc, false, &C::networkMode, &F::CBDatosUDP},
    ConfigField{kAcousticAlarm, Kind::Flag, 1, 0, Save::Pc, false, &C::acousticAlarm, &F::CBAlarmaAcustica},
    ConfigField{kIpVideoCapture, Kind::Flag, 1, 0, Save::Pc, false, &C::ipVideoCapture, &F::CBCapturarIPcam},
    ConfigField{kIpVideoArchive, Kind::Flag, 1, 0, Save::Pc, false, &C::ipVideoArchive, &F::CBalmacenar},
    ConfigField{kCameraCapture, Kind::Flag, 1, 0, Save::Pc, false, &C::cameraCapture, &F::CBCapturarPI},
    ConfigField{kCameraArchive, Kind::Flag, 1, 0, Save::Pc, false, &C::cameraArchive, &F::CBalmacenarPI},
    ConfigField{kDataDirectory, Kind::ZeroTerminated, kDirectorySpaces, kDirectoryMax, Save::Pc, true, &C::dataDirectory, &F::EDirectorio},
    ConfigField{kGraphsDirectory, Kind::ZeroTerminated, kDirectorySpaces, kDirectoryMax, Save::Pc, true, &C::graphsDirectory, &F::Ejpg},
    ConfigField{kCapturesDirectory, Kind::ZeroTerminated, kDirectorySpaces, kDirectoryMax, Save::Pc, true, &C::capturesDirectory, &F::EFich5sg},
    ConfigField{kPingHost, Kind::ZeroTerminated, kHostSpaces, kPingHostMax, Save::Pc, true, &C::pingHost, &F::EPingInternet},
    ConfigField{kStationAddress, Kind::ZeroTerminated, kHostSpaces, kStationAddressMax, Save::Pc, true, &C::stationAddress, &F::EDirCOR},
    ConfigField{kStationPort, Kind::Text, kPortWidth, 0, Save::Pc, true, &C::stationPort, &F::EPuertoEth},
    ConfigField{kChartInterval, Kind::Integer, 2, 0, Save::Pc, false, &C::chartIntervalMinutes, &F::ETiempoJpg},
    ConfigField{kIpVideoInterval, Kind::Integer, 2, 0, Save::Pc, false, &C::ipVideoIntervalMinutes, &F::EtiempoTomasIPcam},
    ConfigField{kCameraInterval, Kind::Integer, 2, 0, Save::Pc, false, &C::cameraIntervalMinutes, &F::EtiempoTomasPI},
    ConfigField{kIpVideoAddress, Kind::ZeroTerminated, kHostSpaces, kCameraAddressMax, Save::Pc, false, &C::ipVideoAddress, &F::EdirIPcamara},
    ConfigField{kCameraUser, Kind::Text, kCredentialWidth, 0, Save::Pc, true, &C::cameraUser, &F::EUserPI},
    ConfigField{kCameraPassword, Kind::Text, kCredentialWidth, 0, Save::Pc, true, &C::cameraPassword, &F::EPassPI},
    ConfigField{kCameraAddress, Kind::ZeroTerminated, kHostSpaces, kCameraAddressMax, Save::Pc, true, &C::cameraAddress, &F::EdirCamaraPI},
    ConfigField{kCameraOutputFile, Kind::ZeroTerminated, kOutputFileSpaces, kOutputFileMax, Save::Pc, true, &C::cameraOutputFile, &F::EjpgPI},
    ConfigField{kStationName, Kind::Text, kStationNameWidth, 0, Save::Pc, true, &C::stationName, &F::Eident},
};
// clang-format on

// Calls visit with the value a field loads into, whichever record holds it.
template <typename Config, typename Visitor>
void visitValue(const ConfigField& field, Config& config, Visitor&& visit) {
    std::visit(
        [&](auto member) {
            using Member = decltype(member);
            if constexpr (std::is_same_v<Member, int ClosingLimits::*> ||
                          std::is_same_v<Member, float ClosingLimits::*>) {
                visit(config.limits.*member);
            } else {
                visit(config.*member);
            }
        },
        field.value);
}

double scaledValue(const ConfigImage& image, const ConfigField& f) {
    return image.readScaled(f.offset, f.width, f.extent);
}

}  // namespace

std::span<const ConfigField> configFields() {
    return kFields;
}

void loadField(const ConfigField& f, const ConfigImage& image, Configuration& config) {
    visitValue(f, config, [&](auto& value) {
        using T = std::remove_cvref_t<decltype(value)>;
        if constexpr (std::is_same_v<T, bool>) {
            value = image.readFlag(f.offset);
        } else if constexpr (std::is_same_v<T, int>) {
            value = f.kind == Kind::Number ? static_cast<int>(image.readNumber(f.offset, f.width))
                                           : image.readDecimal(f.offset, f.width);
        } else if constexpr (std::is_same_v<T, QString>) {
            value = f.kind == Kind::ZeroTerminated ? image.readZeroTerminated(f.offset, f.extent)
                                                   : image.readText(f.offset, f.width);
        } else {
            value = static_cast<T>(scaledValue(image, f));
        }
    });
}

void fillControl(const ConfigField& f, const Configuration& config, SettingsForm& form) {
    visitValue(f, config, [&](const auto& value) {
        using T = std::remove_cvref_t<decltype(value)>;
        if (const auto* box = std::get_if<CheckBox SettingsForm::*>(&f.control)) {
            if constexpr (std::is_same_v<T, bool>) {
                (form.**box).checked = value;
            }
            return;
        }
        const auto* edit = std::get_if<Edit SettingsForm::*>(&f.control);
        if (edit == nullptr) {
            return;
        }
        QString& text = (form.**edit).text;
        if constexpr (std::is_same_v<T, QString>) {
            text = value;
        } else if constexpr (std::is_same_v<T, int>) {
            text = f.kind == Kind::Number ? formatNumber(value, 4, 0) : QString::number(value);
        } else if constexpr (!std::is_same_v<T, bool>) {
            text = formatNumber(value, 4, f.extent == 100 ? 2 : 1);
        }
    });
}

void storeValue(const ConfigField& f, const Configuration& config, ConfigImage& image) {
    visitValue(f, config, [&](const auto& value) {
        using T = std::remove_cvref_t<decltype(value)>;
        if constexpr (std::is_same_v<T, bool>) {
            image.writeFlag(f.offset, value);
        } else if constexpr (std::is_same_v<T, int>) {
            image.writeText(f.offset, f.width, QString::number(value));
        } else if constexpr (std::is_same_v<T, QString>) {
            if (f.kind == Kind::ZeroTerminated) {
                image.writeZeroTerminated(f.offset, f.width, f.extent, value);
            } else {
                image.writeText(f.offset, f.width, value);
            }
        } else {
            image.writeScaled(f.offset, f.width, value, f.extent);
        }
    });
}

void storeField(const ConfigField& f, const SettingsForm& form, ConfigImage& image,
                Configuration& config) {
    if (const auto* box = std::get_if<CheckBox SettingsForm::*>(&f.control)) {
        image.writeFlag(f.offset, (form.**box).checked);
        return;
    }
    const auto* edit = std::get_if<Edit SettingsForm::*>(&f.control);
    if (edit == nullptr) {
        return;
    }
    const QString& text = (form.**edit).text;
    if (f.kind == Kind::ZeroTerminated) {
        image.writeZeroTerminated(f.offset, f.width, f.extent, text);
    } else {
        image.writeText(f.offset, f.width, text);
    }
    if (f.copiedAtOnce) {
        visitValue(f, config, [&](auto& value) {
            if constexpr (std::is_same_v<std::remove_cvref_t<decltype(value)>, QString>) {
                value = text.left(f.kind == Kind::ZeroTerminated ? f.extent : f.width);
            }
        });
    }
}

}  // namespace zaq
