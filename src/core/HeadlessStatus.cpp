#include "core/HeadlessStatus.h"

#include "base/MainForm.h"
#include "base/SafetyState.h"
#include "ui/DateTimeText.h"

namespace zaq {

QString headlessStatusLine(const QDateTime& now, const MainForm& m, const SafetyState& safety,
                           qint64 worstPumpLatenessMs) {
    return timeText(now) + QStringLiteral(" Temp ") + m.PTempAmbiente.text +
           QStringLiteral(" ºC  Hum ") + m.PHumedad.text + QStringLiteral(" %  Pres ") +
           m.PBarometro.text + QStringLiteral(" hPa  Viento ") + m.PVelViento.text +
           QStringLiteral(" km/h  Nubes ") + m.PNublados.text + QStringLiteral(" %  Cielo ") +
           m.PMagnitud.text + QStringLiteral(" mag  Fuente ") + m.PVFuente.text +
           QStringLiteral(" V  Techo: ") + m.PTecho.text.trimmed() +
           (safety.openingPermitted ? QStringLiteral("  Apertura permitida")
                                    : QStringLiteral("  Apertura no permitida")) +
           QStringLiteral("  Retraso max. %1 ms").arg(worstPumpLatenessMs);
}

}  // namespace zaq
