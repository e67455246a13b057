#include "control/LivePanel.h"

#include "base/CurrentReadings.h"
#include "base/MainForm.h"
#include "base/SafetyState.h"
#include "base/StationFlags.h"
#include "ui/NumberFormat.h"

namespace zaq {

void LivePanel::refreshLivePanel() {
    showHeater();
    showRoof();
    showClimate();
    showRain();
    showWind();
    showSkyAndSupply();
}

// Upper case: the dew-controlled heater; lower case: the plain relay.
void LivePanel::showHeater() {
    Panel& p = main_.PCalentar;
    switch (readings_.heaterLetter) {
        case 'E':
            p.text = QStringLiteral(" Calentador ON");
            p.colour = colours::red;
            break;
        case 'e':
            p.text = QStringLiteral(" Rele ON");
            p.colour = colours::green;
            break;
        case 'A':
            p.text = QStringLiteral(" Calentador OFF");
            p.colour = colours::buttonFace;
            break;
        case 'a':
            p.text = QStringLiteral(" Rele OFF");
            p.colour = colours::buttonFace;
            break;
        default:
            break;
    }
}

// Right after a roof order the panel keeps the order's echo until the hold-off has run out.
void LivePanel::showRoof() {
    if (safety_.roofOrderHeld()) {
        return;
    }
    Panel& roof = main_.PTecho;
    Button& button = main_.BBAbrirObs;
    switch (readings_.roofLetter) {
        case 'A':
        case 'a':
            roof.text = QStringLiteral("Obs. Abierto");
            roof.colour = readings_.roofLetter == 'A' ? colours::skyBlue : colours::yellow;
            button.text = QStringLiteral("Cerrar");
            break;
        case 'C':
            roof.text = QStringLiteral("Obs. Cerrado");
            roof.colour = colours::buttonFace;
            button.text = QStringLiteral("Abrir Obs.");
            break;
        default:
            break;
    }
}

void LivePanel::showClimate() {
    if (readings_.heaterLetter == 'p') {
        const QString none = QStringLiteral("  --");
        main_.PTempAmbiente.text = none;
        main_.PHumedad.text = none;
        main_.PPuntoRocio.text = none;
        return;
    }
    main_.PTempAmbiente.text = formatNumber(readings_.temperatureX10 * 0.1, 4, 1);
    main_.PHumedad.text = formatNumber(readings_.humidityX10 * 0.1, 4, 1);
    main_.PPuntoRocio.text = formatNumber(readings_.dewPointX10 * 0.1, 4, 1);
}

void LivePanel::showRain() {
    main_.PPluviometro.text = formatNumber(readings_.rainTodayTenths * 0.1, 5, 1);
    main_.PPluvioAcumuladoMes.text =
        readings_.rainMonthValid ? formatNumber(readings_.rainMonthMm, 5, 1) : QStringLiteral("-");
    main_.PPluvioAcumulado.text =
        formatGeneral(readings_.rainTotalMm + readings_.rainTodayTenths * 0.1);
    main_.PLluvia.text = formatNumber(readings_.rainSensorX10 * 0.1, 4, 0);
}

void LivePanel::showWind() {
    main_.PVelViento.text = formatNumber(readings_.windKmh, 4, 1);
    main_.PVelVientoMedia.text = formatGeneral(readings_.windMeanKmh);
    main_.PDirViento.text = QString::number(readings_.windDirectionDeg);
    main_.PDirNSEO.text = compassWord(readings_.windDirectionDeg);
    main_.PvelOmni.text = formatNumber(readings_.windThermalKmh, 4, 1);
}

// The pressures are not refreshed here: the first message shows them at once and the periodic
// processing writes the minute's means.
void LivePanel::showSkyAndSupply() {
    main_.PNublados.text = formatNumber(readings_.cloudX10 * 0.1, 4, 0);
    main_.PMagnitud.text = formatNumber(readings_.skyMagnitude, 4, 2);
    main_.PRadSol.text = formatGeneral(readings_.daylight);
    main_.PVFuente.text = formatGeneral(readings_.supplyTenthsV * 0.1);
}

void LivePanel::showSeaPressure() {
    main_.PBarometro.text = formatNumber(readings_.pressureSeaX10 * 0.1, 5, 1);
}

void LivePanel::showAbsolutePressure() {
    main_.PBarometroAbs.text = formatNumber(readings_.pressureAbsX10 * 0.1, 5, 1);
}

QString LivePanel::compassWord(int d) {
    if (d > 337 || d <= 22) {
        return QStringLiteral(" N");
    }
    if (d <= 67) {
        return QStringLiteral("NE");
    }
    if (d <= 112) {
        return QStringLiteral(" E");
    }
    if (d <= 157) {
        return QStringLiteral("SE");
    }
    if (d <= 202) {
        return QStringLiteral(" S");
    }
    if (d <= 247) {
        return QStringLiteral("SW");
    }
    if (d <= 292) {
        return QStringLiteral("W");
    }
    return QStringLiteral("NW");
}

// A click acknowledges the closing alarm, whatever colour the panel has.
void LivePanel::acknowledge(Panel& panel) {
    panel.colour = colours::buttonFace;
    flags_.closingAlarm = false;
}

void LivePanel::PLluviaClick() {
    acknowledge(main_.PLluvia);
}
void LivePanel::PNubladosClick() {
    acknowledge(main_.PNublados);
}
void LivePanel::PMagnitudClick() {
    acknowledge(main_.PMagnitud);
}
void LivePanel::PVelVientoClick() {
    acknowledge(main_.PVelViento);
}
void LivePanel::PVelVientoMediaClick() {
    acknowledge(main_.PVelVientoMedia);
}
void LivePanel::PvelOmniClick() {
    acknowledge(main_.PvelOmni);
}

void LivePanel::PVFuenteClick() {
    acknowledge(main_.PVFuente);
    flags_.supplyStopAlarm = false;
    flags_.supplyStopLogged = false;
}

}  // namespace zaq
