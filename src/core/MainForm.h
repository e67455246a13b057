#pragma once

#include "ui/FormControls.h"

namespace zaq {

// The main window (TForm1) as data: its caption and the controls the logic reads and writes.
struct MainForm {
    QString caption = QStringLiteral("ZAQ");

    // Output controls: the roof panel's colour is the roof state (sky blue or yellow: open).
    Panel PTecho{QStringLiteral("Techo")};

    // Relay timer labels.
    Label Lhon{QStringLiteral("on:--:--")};
    Label Lhoraoff{QStringLiteral("off:--:--")};
    Label LFuncionRele{QStringLiteral(" ")};

    // Indicators.
    Label LPing{QStringLiteral("Ping")};

    // Reading panels the station turns yellow when it closed the roof for their measurement.
    Panel PVFuente{QStringLiteral("----")};
    Panel PMagnitud{QStringLiteral("----")};
    Panel PLluvia{QStringLiteral("----")};
    Panel PNublados{QStringLiteral("----")};
    Panel PVelViento{QStringLiteral("----")};
    Panel PVelVientoMedia{QStringLiteral("----")};
    Panel PvelOmni{QStringLiteral("----")};
    // Apparent sky temperature beside the cloud panel.
    Panel PNubladosIR{QStringLiteral("(--ºC)")};
};

}  // namespace zaq
