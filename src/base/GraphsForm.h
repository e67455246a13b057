#pragma once

#include "ui/FormControls.h"

namespace zaq {

// The graphs window (TFGraficas) as data.
struct GraphsForm {
    GraphsForm() {
        Button1.hint = QStringLiteral("Guarda instantanea de los graficos.");
        Button3.hint = QStringLiteral("Rellena graficas con datos almacenados en la estacion.");
        RGCielo.hint = QStringLiteral("Escalas predefinidas de brillo.");
    }

    WindowState window{QStringLiteral("Graficas")};

    Button Button1{QStringLiteral("Guardar Graficas")};
    Button Button3{QStringLiteral("Leer Datos 24h")};
    RadioGroup RGCielo{QStringLiteral("Rango Brillo Cielo:"),
                       {QStringLiteral("8-22"), QStringLiteral("15-18"), QStringLiteral("17-20"),
                        QStringLiteral("18-22")},
                       3};
    Button Bv1min{QStringLiteral("V.1min")};
    Button BRSolarPrevista{QStringLiteral("R.Sol")};
};

}  // namespace zaq
