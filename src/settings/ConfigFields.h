#pragma once

#include <QString>
#include <span>
#include <variant>

namespace zaq {

class ConfigImage;
struct CheckBox;
struct ClosingLimits;
struct Configuration;
struct Edit;
struct SettingsForm;

// One field of "zaq.cfg": where it lies and how it is encoded, the configuration value it loads
// into, the settings-window control that shows it, and the save that writes it. Loading, the
// window's filling and the saves all go through this one table.
struct ConfigField {
    enum class Kind {
        Flag,            // one byte, '1' is on
        Integer,         // decimal text, C-style: digits up to the first non-digit
        Number,          // a decimal number, kept truncated to an integer
        Scaled,          // "%03d" of the value × scale
        Text,            // fixed width, padded
        ZeroTerminated,  // blanks first, then the text and a zero byte
    };
    // Which button of the settings window writes it.
    enum class Save { Pc, Limits, Calibration };

    using Value =
        std::variant<bool Configuration::*, int Configuration::*, double Configuration::*,
                     QString Configuration::*, int ClosingLimits::*, float ClosingLimits::*>;
    using Control = std::variant<std::monostate, CheckBox SettingsForm::*, Edit SettingsForm::*>;

    int offset;
    Kind kind;
    // Bytes of the field; for a zero-terminated text the blanks written before it.
    int width;
    // Scaled: the scale (10 or 100). Zero-terminated: the most characters read and kept.
    int extent;
    Save save;
    // Texts of the PC save that are also copied into their value at once.
    bool copiedAtOnce;
    Value value;
    Control control;
};

std::span<const ConfigField> configFields();

void loadField(const ConfigField& field, const ConfigImage& image, Configuration& config);
// Integers as plain decimal text, scaled values with one decimal per power of ten.
void fillControl(const ConfigField& field, const Configuration& config, SettingsForm& form);
// The value into the image, as a save would write it.
void storeValue(const ConfigField& field, const Configuration& config, ConfigImage& image);
// The control's state into the image (and, when copied at once, into the value).
void storeField(const ConfigField& field, const SettingsForm& form, ConfigImage& image,
                Configuration& config);

}  // namespace zaq
