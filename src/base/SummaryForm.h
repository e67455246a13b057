#pragma once

#include "ui/FormControls.h"

namespace zaq {

// The summary window (TFResumen) as data: six current values in large letters for a screen
// watched from a distance. The value labels keep their design captions until the first refresh.
struct SummaryForm {
    WindowState window{QStringLiteral("Resumen ZAQ")};

    Label LTemperaturaG{QStringLiteral("Temperatura C:"), colours::purple};
    Label LTG{QStringLiteral("12,5"), colours::purple};
    Label LHumedadG{QStringLiteral("Humedad Rel.%:"), colours::blue};
    Label LHG{QStringLiteral("80"), colours::blue};
    Label LAnemometroG{QStringLiteral("Anem. Km/h:"), colours::green};
    Label LAG{QStringLiteral("22"), colours::green};
    Label LLluviaG{QStringLiteral("Pluviometro mm:"), colours::maroon};
    Label LLG{QStringLiteral("12"), colours::maroon};
    Label Label1{QStringLiteral("Brillo Cielo:"), colours::green};
    Label LBrilloG{QStringLiteral("20,12:"), colours::green};
    Label LCieloG{QStringLiteral("Cielo"), colours::blue};
};

}  // namespace zaq
