#pragma once

#include <QByteArray>

namespace zaq {

class ActivityLog;
struct MainForm;
struct SettingsForm;
struct StationFlags;

// The station's setting echoes, "(L080)" or "(M00620)": each writes its value into its settings
// field, and a field the user had marked yellow for sending gets a "Nuevo …" log line.
class SettingEchoes {
  public:
    SettingEchoes(SettingsForm& settings, MainForm& main, StationFlags& flags, ActivityLog& log)
        : settings_(settings), main_(main), flags_(flags), log_(log) {}

    void applySettingEcho(const QByteArray& text);

  private:
    bool applyCheckBoxEcho(char letter, int value);
    bool applyAlarmPanel(char letter);
    void countPingFailure();

    SettingsForm& settings_;
    MainForm& main_;
    StationFlags& flags_;
    ActivityLog& log_;
};

}  // namespace zaq
