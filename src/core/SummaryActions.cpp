#include "core/SummaryActions.h"

#include "base/CurrentReadings.h"
#include "base/MainForm.h"
#include "base/SummaryForm.h"
#include "records/Banner.h"
#include "ui/NumberFormat.h"

namespace zaq {

void SummaryActions::Timer1Timer() {
    p_.summary.LTG.text = p_.main.PTempAmbiente.text;
    p_.summary.LAG.text = p_.main.PVelViento.text;
    p_.summary.LLG.text = p_.main.PPluviometro.text;
    p_.summary.LHG.text = p_.main.PHumedad.text;
    p_.summary.LCieloG.text = p_.banner.skyWord();
    p_.summary.LBrilloG.text = formatNumber(p_.readings.skyMagnitude, 4, 2);
}

void SummaryActions::FormClose() {
    p_.summary.window.hide();
    p_.main.window.show();
}

}  // namespace zaq
