#pragma once

#include "ui/FormControls.h"

namespace zaq {

// The main window (TForm1) as data: its caption and the controls the logic reads and writes.
struct MainForm {
    MainForm();

    WindowState window{QStringLiteral("ZAQ"), true};

    // "Lecturas": the row labels and their value panels.
    Label LTemperatura{QStringLiteral("Temp. Ambiente ºC:")};
    Panel PTempAmbiente{QStringLiteral("----")};
    Label LHumedad{QStringLiteral("Humedad rel. %:")};
    Panel PHumedad{QStringLiteral("----")};
    Label LRocio{QStringLiteral("Temp. Rocio ºC:")};
    Panel PPuntoRocio{QStringLiteral("----")};
    Label LPluviometro{QStringLiteral("Pluviometro mm:")};
    Panel PPluviometro{QStringLiteral("----")};
    Label LPluvioMes{QStringLiteral("Pluvio Acum.  Mes:")};
    Panel PPluvioAcumuladoMes{QStringLiteral("----")};
    Label LPluvioAno{QStringLiteral("plu.Año:")};
    Label PPluvioAcumulado{QStringLiteral("----")};
    Label Lanekmh{QStringLiteral("Anemometro Km/h:")};
    Panel PVelViento{QStringLiteral("----")};
    Label Label3{QStringLiteral("Anemometro Media:")};
    Panel PVelVientoMedia{QStringLiteral("----")};
    Label LVeleta{QStringLiteral("Veleta:")};
    Panel PDirViento{QStringLiteral("----")};
    Panel PDirNSEO{QStringLiteral("--")};
    Label Laneterm{QStringLiteral("Anem.Term Km/h:")};
    Panel PvelOmni{QStringLiteral("----")};
    Label LBarometro{QStringLiteral("Presion HPa:")};
    Panel PBarometro{QStringLiteral("----")};
    Label LBarometroAbs{QStringLiteral("Pres. Abs. HPa:")};
    Panel PBarometroAbs{QStringLiteral("----")};
    Label Lnubes{QStringLiteral("Nubes %:")};
    Panel PNublados{QStringLiteral("----")};
    // Apparent sky temperature beside the cloud panel.
    Panel PNubladosIR{QStringLiteral("(--ºC)")};
    Label Llluvia{QStringLiteral("Lluvia %:")};
    Panel PLluvia{QStringLiteral("----")};
    Label Lmagnitud{QStringLiteral("Brillo Cielo Mag. V:")};
    Panel PMagnitud{QStringLiteral("----")};
    Label LRadSol{QStringLiteral("Rad.Sol a")};
    Panel PRadSol{QStringLiteral("----")};
    Label Lvfuente{QStringLiteral("Tension Fuente v:")};
    Panel PVFuente{QStringLiteral("----")};

    // "Max" (maroon) and "Min" (menu highlight), written by the station's day extremes.
    Label LTemperaturaMax{max()}, LTemperaturaMin{min()};
    Label LHumedadMax{max()}, LHumedadMin{min()};
    Label LRocioMax{max()}, LRocioMin{min()};
    Label LPluviometroMax{max()}, LPluviometroMin{min()};
    Label LAnemometroMecMax{max()}, LAnemometroMecMin{min()};
    Label LAnemometroMecMedMax{max()}, LAnemometroMecMedMin{min()};
    Label LAnemometroTermMax{max()}, LAnemometroTermMin{min()};
    Label LBarometroMax{max()}, LBarometroMin{min()};
    Label LBarometroAbsMax{max()}, LBarometroAbsMin{min()};
    Label LNubesMax{max()}, LNubesMin{min()};
    Label LLluviaMax{max()}, LLluviaMin{min()};
    Label LMagnitudVMax{max()}, LMagnitudVMin{min()};
    Label LLuzDiaMax{max()}, LLuzDiaMin{min()};
    Label LVFuenteMax{max()}, LVFuenteMin{min()};

    // "Control Salidas": the roof panel's colour is the roof state (sky blue or yellow: open), the
    // roof button's font colour the permission to open (red: not permitted).
    Panel PTecho{QStringLiteral("Techo")};
    Button BBAbrirObs{QStringLiteral("Abrir Obs.")};
    Panel PCalentar{QStringLiteral("Calentador")};
    Label Lhon{QStringLiteral("on:--:--")};
    Label Lhoraoff{QStringLiteral("off:--:--")};
    Label LFuncionRele{QStringLiteral(" ")};
    Label Lindice{QStringLiteral("0")};

    // Indicators: station traffic, automation client, Weather Display client, ping.
    Label LRx{QStringLiteral("Rx"), colours::grey};
    Label LledCOM{QStringLiteral("COM"), colours::grey};
    Label LledWD{QStringLiteral("WD"), colours::grey};
    Label LPing{QStringLiteral("Ping")};
    Label LAlturaSol{QStringLiteral("--º")};
    Panel PRadSolacumulada{QStringLiteral("----")};
    Label LRadSolacuPorcent{QStringLiteral("--%")};

    Button BAjustes{QStringLiteral("Ajustes")};
    Button BMensajes{QStringLiteral("Mensajes")};
    Button BGraficas{QStringLiteral("Graficas 24h")};
    Button BCartel{QStringLiteral("R")};

  private:
    static Label max() { return Label(QStringLiteral("---"), colours::maroon); }
    static Label min() { return Label(QStringLiteral("---"), colours::menuHighlight); }
};

}  // namespace zaq
