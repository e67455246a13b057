#include "base/MasterPc.h"

#include "base/SettingsForm.h"
#include "ui/Prompter.h"

namespace zaq {

bool isMasterPc(const SettingsForm& settings) {
    return settings.CBmaster.checked;
}

QString listenOnlyText() {
    return QStringLiteral("Solo recepcion. PC Master deshabilitado.");
}

bool commandingAllowed(const SettingsForm& settings, Prompter& prompter) {
    if (isMasterPc(settings)) {
        return true;
    }
    prompter.warn(listenOnlyText());
    return false;
}

}  // namespace zaq
