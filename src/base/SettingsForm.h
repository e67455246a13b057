#pragma once

#include "ui/FormControls.h"

namespace zaq {

// The settings window (TFConfigMeteo) as data. The station's fields start grey (button face):
// a yellow field is marked for sending, a window-coloured one holds the station's value.
struct SettingsForm {
    SettingsForm();

    WindowState window{QStringLiteral("Configuracion")};

    // Communication.
    Edit EPuerto;
    CheckBox CBDatosUDP{QStringLiteral("Datos por Red")};
    Edit EDirCOR;
    Edit EPuertoEth;
    CheckBox CBmaster{QStringLiteral("PC Master"), true};
    CheckBox CBPingInternet{QStringLiteral("Ping cada hora.")};
    Edit EPingInternet;
    Label LdirIP_WD{QStringLiteral("IP WD: . . . .")};

    // Directories.
    Edit EDirectorio;
    Edit Ejpg;
    Edit EFich5sg;

    // Site.
    Edit Eident{QStringLiteral("Observatorio")};
    Edit ELatGrad;
    Edit ELatMin;
    Edit Ens;
    Edit ELongHoras;
    Edit ELongMin;
    Edit Eeo;
    Edit EHorasTU;

    // Options and files.
    CheckBox CB1minuto{QStringLiteral("Cada Minuto"), true};
    CheckBox CB5sg{QStringLiteral("Datos 5sg.")};
    CheckBox CBAlarmaAcustica{QStringLiteral("Alarma Acustica.")};
    CheckBox CBAutoShutDawn{QStringLiteral("AutoShutdown")};
    CheckBox CBDatalogger{QStringLiteral("Autorecargar Graficos")};
    // Not stored: off at every start.
    CheckBox CBAperturaAuto{QStringLiteral("Apertura Auto")};
    Edit ETiempoJpg;

    // IP video server.
    Edit EdirIPcamara;
    CheckBox CBCapturarIPcam{QStringLiteral("Capturar")};
    CheckBox CBipvideo1{QStringLiteral("1")};
    CheckBox CBipvideo2{QStringLiteral("2")};
    CheckBox CBipvideo3{QStringLiteral("3")};
    CheckBox CBipvideo4{QStringLiteral("4")};
    CheckBox CBalmacenar{QStringLiteral("Acumular Capturas  Cada:")};
    Edit EtiempoTomasIPcam;
    Label LNumCanal{QStringLiteral("nc")};
    Label LStatusIPcam{QStringLiteral("Test:  --")};
    Button BcamaraIP{QStringLiteral("Test"), QStringLiteral("Prueba de adquisicion.")};
    Button BSetChanel{QStringLiteral("SetC")};
    Button RdCh{QStringLiteral("RdCh")};

    // Single-board cameras.
    Edit EdirCamaraPI;
    CheckBox CBCapturarPI{QStringLiteral("Capturar")};
    CheckBox CBalmacenarPI{QStringLiteral("Acumular Cada:")};
    Edit EtiempoTomasPI;
    Edit EUserPI;
    Edit EPassPI;
    Edit EjpgPI;
    Label LStatusCamPI{QStringLiteral("Test:  --")};
    Label LTamJpg{QStringLiteral("KB")};
    Button Bpi{QStringLiteral("Test")};

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
    CheckBox CBtx20;    // its row label "TX20 :" marks it
    CheckBox CBoregon;  // its row label "WR918" marks it
    Edit EOffset_Ane1631{{}, colours::buttonFace};
    Edit EKAnem_1631{{}, colours::buttonFace};
    Edit EK2Anem_term{{}, colours::buttonFace};
    Edit EGNubes{{}, colours::buttonFace};
    Edit EGLuzdia{{}, colours::buttonFace};
    Edit EOfsetVcc{QStringLiteral("0"), colours::buttonFace};
    Edit EOfsetMagV{{}, colours::buttonFace};
    Edit EGMagV{{}, colours::buttonFace};

    // The station side's groups and buttons.
    Panel GBNiveles{QStringLiteral("Niveles de Cierre")};
    Panel GBCalibracion{QStringLiteral("Calibración")};
    Button BGrabar{QStringLiteral("Guarda Niveles"),
                   QStringLiteral("Solo se actualizan las casillas en amarillo.")};
    Button BLeer{QStringLiteral("Leer"), QStringLiteral("Leer de la estacion.")};
    Button BAjuste_Meteo_Flash{QStringLiteral("Guardar Calibración"),
                               QStringLiteral("Se actualizan solo casillas en amarillo.")};
    Button BLeerOffsets{QStringLiteral("Leer"), QStringLiteral("Leer de la estacion.")};
    Button Brtc{QStringLiteral("Sinc. Reloj"),
                QStringLiteral("Sincroniza reloj de la estacion con el reloj del PC.")};
    Button BTestPing{QStringLiteral("Test ping")};

    Button BOkDirectorio{QStringLiteral("Guardar Configuración")};
    Button BIniExtremas{QStringLiteral("x"), QStringLiteral("Recarga fichero extremas.txt")};
    Button T{QStringLiteral("T"), QStringLiteral("Test insertar texto en ipcam.jpg")};
};

}  // namespace zaq
