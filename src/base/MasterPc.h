#pragma once

#include <QString>

namespace zaq {

class Prompter;
struct SettingsForm;

// Only the master PC commands the station; every other PC only listens. The check box
// "PC Master" is read as it stands, saved or not.
bool isMasterPc(const SettingsForm& settings);

// The refusal of a commanding action on a PC that is not the master.
QString listenOnlyText();

// True on the master; elsewhere warns with the refusal and returns false.
bool commandingAllowed(const SettingsForm& settings, Prompter& prompter);

}  // namespace zaq
