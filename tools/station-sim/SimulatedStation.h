#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QTime>
#include <array>
#include <functional>
#include <vector>

#include "StationReading.h"
#include "StationSettingsMemory.h"
#include "WeatherModel.h"

namespace zaqsim {

// The station's firmware: live messages, the 24-hour memory of five-minute blocks, the day's
// extremes, the roof, the relays, the presence watchdog and the answers to the PC's commands.
class SimulatedStation {
  public:
    using Output = std::function<void(const QByteArray&)>;
    using Note = std::function<void(const QString&)>;

    struct Options {
        int pcWaitSeconds = 60;
        double rainTotalMm = 245;
        // The WMR968-compatible records from the start ("(Ñ001)" switches them too).
        bool wmr968 = false;
    };

    static constexpr int kBlocks = 288;

    SimulatedStation(WeatherModel& model, Options options, Output output, Note note);

    // Rebuilds the last 24 hours from the model and announces the board.
    void start(const QDateTime& now);
    // One live data message.
    void sendLive(const QDateTime& now);
    // Closes an open roof when the PC has not been heard for longer than its wait limit.
    void checkWatchdog(const QDateTime& now);
    // Bytes from the PC; complete commands are answered at once.
    void receive(const QByteArray& bytes, const QDateTime& now);
    // One command answered as the PC's would be; it is not the PC's presence.
    void handleCommand(const QByteArray& command, const QDateTime& now);

    // Every 100 ms: the next part of a running datalogger dump, as much as the line speed carries.
    void pumpDump(const QDateTime& now);

    // Nothing at all is sent until then (the link stays open).
    void fallSilentUntil(const QDateTime& until) { silentUntil_ = until; }
    void sendRaw(const QByteArray& bytes, const QDateTime& now);
    void setRoof(char letter) { roof_ = letter; }
    void setThermometer(bool working) { thermometer_ = working; }

    char roof() const { return roof_; }
    StationReading readingAt(const QDateTime& moment) const;
    const std::array<StationReading, kBlocks>& memory() const { return memory_; }

  private:
    enum class HeaterMode { Dew, RelayOn, RelayOff };

    StationReading encode(const Weather& w, const QDateTime& moment) const;
    char heaterLetter(const Weather& w) const;
    void advanceRain(const QDateTime& now, const Weather& w);
    void store(const StationReading& reading);
    void send(const QByteArray& text, const QDateTime& now);
    void sendExtremes(const QDateTime& now);
    void sendDump(const QDateTime& now);
    void openRoof(char letter, const QDateTime& now);
    void closeRoof(const QDateTime& now, const QByteArray& notice);
    QByteArray relayHours() const;
    void sendWmr968Records(const StationReading& reading, const QDateTime& now);
    // The datalogger: the day a day index names (the previous year's when it lies ahead), its
    // 144 ten-minute readings from the weather model's history, and the day's extremes.
    QDate datalogDay(int dayIndex, const QDate& today) const;
    std::vector<StationReading> datalogReadings(const QDate& day) const;
    void sendDailyExtremes(char kind, int firstDay, int days, const QDateTime& now);
    void startDump(int firstBlock, int blocks, const QDateTime& now);

    WeatherModel& model_;
    Options options_;
    Output output_;
    Note note_;

    char roof_ = 'C';
    HeaterMode heater_ = HeaterMode::Dew;
    bool thermometer_ = true;
    bool timerRunning_ = false;
    StationSettingsMemory settings_;
    int liveCount_ = 0;
    int recordCount_ = 0;
    QByteArray timerOn_ = "2215";
    QByteArray timerOff_ = "2245";

    QDateTime lastPresence_;
    QDateTime lastRainUpdate_;
    QDateTime silentUntil_;
    double rainTodayTenths_ = 0;
    double rainTotalMm_ = 0;

    std::array<StationReading, kBlocks> memory_{};
    StationReading dayMax_;
    StationReading dayMin_;
    bool haveExtremes_ = false;

    QByteArray pendingDump_;
    int lineSpeed_ = 9600;

    QByteArray command_;
    bool inCommand_ = false;
};

}  // namespace zaqsim
