#pragma once

#include "ui/FormControls.h"

namespace zaq {

// The message list: plain lines, only ever appended or cleared as a whole.
struct Memo : Control {
    QStringList lines;
    int clearCount = 0;  // lets a view notice a clear between two of its refreshes
};

// The messages window (THistorico) as data.
struct MessagesForm {
    MessagesForm();

    WindowState window{QStringLiteral("Mensajes")};

    Memo Mhistory;

    // Filters read by the station message dispatcher.
    CheckBox CBHistoriaMeteo{QStringLiteral("Ver msg Datos"), false};
    CheckBox CBMensCorto{QStringLiteral("Ver msg Control"), true};

    // Terminal: greyed while the station's answers say "wait".
    Edit Eterminal{QStringLiteral("(y)")};
    Button Benvia_terminal{QStringLiteral("Enviar")};
    Button BClearHistory{QStringLiteral("Borrar")};
    Button Button1{QStringLiteral("Guardar")};
    Button BAyuda{QStringLiteral("Ayuda")};
    Button BVersion{QStringLiteral("Version")};

    // "Sol": the sun's position, written by each computation.
    Label LAR{QStringLiteral("AR :")};
    Label LDEC{QStringLiteral("DEC:")};
    Label LHS{QStringLiteral("HSL:")};

    // Datalogger panel.
    DatePicker DTP1;
    Edit ENumDias{QStringLiteral("030")};
    RadioGroup RGMaxMin{
        {}, {QStringLiteral("Max"), QStringLiteral("Min"), QStringLiteral("10m")}, 0};
    Button BDescargar{QStringLiteral("Descargar")};
    Button BVelocidad{QStringLiteral("9K6 bps")};
    Button BstopDescarga{QStringLiteral("STOP")};
};

}  // namespace zaq
