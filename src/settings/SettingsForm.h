#pragma once

#include "ui/FormControls.h"

namespace zaq {

// The settings window (TFConfigMeteo) as data. The station's fields start grey (button face):
// a yellow field is marked for sending, a window-coloured one holds the station's value.
struct SettingsForm {
    QString caption = QStringLiteral("Configuracion");

    Edit Eident{QStringLiteral("Observatorio")};
    CheckBox CBmaster{QStringLiteral("PC Master"), true};

    // Closing limits ("Niveles de Cierre").
    Edit ELimiteLluvia{{}, colours::buttonFace};
    Edit ELimiteNubes{{}, colours::buttonFace};
    Edit ELimiteLuznoche{{}, colours::buttonFace};
    Edit ELimiteKmh{{}, colours::buttonFace};
    Edit ELimiteKmhMedia{{}, colours::buttonFace};
    Edit ELimiteKmhT{{}, colours::buttonFace};
    Edit ELimiteEspera{{}, colours::buttonFace};
    Edit ELimiteFuente{{}, colours::buttonFace};
    Edit ELimiteRocio{{}, colours::buttonFace};

    // Calibration constants ("Calibración").
    Edit EKPluvio{{}, colours::buttonFace};
    Edit EOffset_Bar{{}, colours::buttonFace};
    Edit EAltura_Bar{{}, colours::buttonFace};
    Edit EOffset_UV{{}, colours::buttonFace};
    Edit EKAnem_mec{{}, colours::buttonFace};
    CheckBox CBtx20{QStringLiteral("TX20 :")};
    CheckBox CBoregon{QStringLiteral("WR918")};
    Edit EOffset_Ane1631{{}, colours::buttonFace};
    Edit EKAnem_1631{{}, colours::buttonFace};
    Edit EGNubes{{}, colours::buttonFace};
    Edit EGLuzdia{{}, colours::buttonFace};
    Edit EOfsetVcc{QStringLiteral("0"), colours::buttonFace};
    Edit EOfsetMagV{{}, colours::buttonFace};
    Edit EGMagV{{}, colours::buttonFace};

    // Data files.
    CheckBox CB5sg{QStringLiteral("Datos 5sg.")};
};

}  // namespace zaq
