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
    WindowState window{QStringLiteral("Mensajes")};

    Memo Mhistory;

    // Filters read by the station message dispatcher.
    CheckBox CBHistoriaMeteo{QStringLiteral("Ver msg Datos"), false};
    CheckBox CBMensCorto{QStringLiteral("Ver msg Control"), true};

    // Terminal: greyed while the station's answers say "wait".
    Edit Eterminal{QStringLiteral("(y)")};

    // Datalogger panel.
    DatePicker DTP1;
    Edit ENumDias{QStringLiteral("030")};
    Button BVelocidad{QStringLiteral("9K6 bps")};
};

}  // namespace zaq
