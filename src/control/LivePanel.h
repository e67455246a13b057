#pragma once

#include <QString>

namespace zaq {

struct CurrentReadings;
struct Panel;
struct MainForm;
struct SafetyState;
struct StationFlags;

// The main window's reading panels, written from each live data message, and the panel clicks
// that acknowledge a closing alarm.
class LivePanel {
  public:
    LivePanel(MainForm& main, const CurrentReadings& readings, const SafetyState& safety,
              StationFlags& flags)
        : main_(main), readings_(readings), safety_(safety), flags_(flags) {}

    void refreshLivePanel();
    // The first live message after start shows its pressures at once.
    void showSeaPressure();
    void showAbsolutePressure();

    // The compass word of a vane direction: " N", "NE", " E", … "W", "NW".
    static QString compassWord(int degrees);

    void PLluviaClick();
    void PNubladosClick();
    void PMagnitudClick();
    void PVelVientoClick();
    void PVelVientoMediaClick();
    void PvelOmniClick();
    void PVFuenteClick();

  private:
    void showHeater();
    void showRoof();
    void showClimate();
    void showRain();
    void showWind();
    void showSkyAndSupply();
    void acknowledge(Panel& panel);

    MainForm& main_;
    const CurrentReadings& readings_;
    const SafetyState& safety_;
    StationFlags& flags_;
};

}  // namespace zaq
