#pragma once

namespace zaq {

class ConfigFile;
class ConfigImage;
class Prompter;
struct Configuration;
struct Edit;
struct GraphsForm;
struct SettingsForm;
struct StationFlags;

// The PC side of the settings window: its fields filled from the configuration, and
// "Guardar Configuración".
class PcSettings {
  public:
    struct Parts {
        SettingsForm& form;
        GraphsForm& graphs;
        ConfigImage& image;
        Configuration& config;
        ConfigFile& file;
        Prompter& prompter;
        StationFlags& flags;
    };

    explicit PcSettings(const Parts& parts) : p_(parts) {}

    // The window's construction: every field from the loaded values.
    void fillFields();
    // "Guardar Configuración".
    void BOkDirectorioClick();

  private:
    void fillCommunication();
    void fillPlaces();
    void fillCameras();
    void fillStationFields();
    void fillSite();
    void storeFlagsAndTexts();
    bool storeSite();
    bool storeCoordinate(int offset, const Edit& degrees, const Edit& minutes);

    Parts p_;
};

}  // namespace zaq
