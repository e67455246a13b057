#pragma once

#include <functional>

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
    struct Deps {
        SettingsForm& form;
        GraphsForm& graphs;
        ConfigImage& image;
        Configuration& config;
        ConfigFile& file;
        Prompter& prompter;
        StationFlags& flags;
        // Selects an item of the graphs window's sky-brightness scale as a click would.
        std::function<void(int)> selectSkyRange;
    };

    explicit PcSettings(Deps deps) : p_(std::move(deps)) {}

    // The window's construction: every field from the loaded values.
    void fillFields();
    // "Guardar Configuración".
    void BOkDirectorioClick();

  private:
    void fillSpecialFields();
    void storeFlagsAndTexts();
    bool storeSite();
    bool storeCoordinate(int offset, const Edit& degrees, const Edit& minutes);

    Deps p_;
};

}  // namespace zaq
