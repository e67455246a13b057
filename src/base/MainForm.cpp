#include "base/MainForm.h"

namespace zaq {

MainForm::MainForm() {
    PMagnitud.hint = QStringLiteral("mag/arc sg2 ");
    PVFuente.hint = QStringLiteral("Tension estimada en la bateria.");
    PTecho.hint = QStringLiteral("Estado Rele Techo. Boton derecho para forzar limites.");
    LledCOM.hint = QStringLiteral("En verde: zaq.Weather.Connected = true");
    PCalentar.hint = QStringLiteral("Estado Rele Calentadores. Boton derecho para cambiar.");
    Lhon.hint = QStringLiteral("Configurar timer on: (Son2215)");
    Lhoraoff.hint = QStringLiteral("Configurar timer off: (Sof2245)");
    BCartel.hint = QStringLiteral("Muestra ventana simplificada.");
    // Hidden by design: the queue count and the day's rain extremes.
    Lindice.visible = false;
    LPluviometroMax.visible = false;
    LPluviometroMin.visible = false;
}

}  // namespace zaq
