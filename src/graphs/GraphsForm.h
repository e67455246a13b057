#pragma once

#include "ui/FormControls.h"

namespace zaq {

// The graphs window (TFGraficas) as data.
struct GraphsForm {
    WindowState window{QStringLiteral("Graficas")};

    RadioGroup RGCielo{QStringLiteral("Rango Brillo Cielo:"),
                       {QStringLiteral("8-22"), QStringLiteral("15-18"), QStringLiteral("17-20"),
                        QStringLiteral("18-22")},
                       3};
};

}  // namespace zaq
