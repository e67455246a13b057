#pragma once

#include "ui/FormControls.h"

namespace zaq {

// The main window (TForm1) as data: its caption and the controls the logic reads and writes.
struct MainForm {
    WindowState window{QStringLiteral("ZAQ"), true};

    // Output controls: the roof panel's colour is the roof state (sky blue or yellow: open).
    Panel PTecho{QStringLiteral("Techo")};

    // Relay timer labels.
    Label Lhon{QStringLiteral("on:--:--")};
    Label Lhoraoff{QStringLiteral("off:--:--")};
    Label LFuncionRele{QStringLiteral(" ")};

    // Indicators: station traffic, automation client, Weather Display client, ping.
    Label LRx{QStringLiteral("Rx"), colours::grey};
    Label LledCOM{QStringLiteral("COM"), colours::grey};
    Label LledWD{QStringLiteral("WD"), colours::grey};
    Label LPing{QStringLiteral("Ping")};

    // The thermal anemometer's row, hidden when its factor is 0.
    Label Laneterm{QStringLiteral("Anem.Term Km/h:")};
    Label LAnemometroTermMax{QStringLiteral("---"), colours::maroon};
    Label LAnemometroTermMin{QStringLiteral("---"), colours::menuHighlight};

    Button BAjustes{QStringLiteral("Ajustes")};
    Button BMensajes{QStringLiteral("Mensajes")};
    Button BGraficas{QStringLiteral("Graficas 24h")};
    Button BCartel{QStringLiteral("R")};

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
