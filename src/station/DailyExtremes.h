#pragma once

namespace zaq {

struct Label;
struct MainForm;
struct StationExtremes;

// The station's answers "M1373" (maxima) and "m1373" (minima): every field into
// StationExtremes and its text into the Max or Min column of the main window.
class DailyExtremes {
  public:
    DailyExtremes(StationExtremes& extremes, MainForm& main) : extremes_(extremes), main_(main) {}

    // message: 83 characters and a terminating zero, of a kind other than 'a' and 't'. Acts
    // only when "M1373)" or "m1373)" begins at the kind's position.
    void applyStationExtremes(const char* message);

  private:
    StationExtremes& extremes_;
    MainForm& main_;
};

}  // namespace zaq
