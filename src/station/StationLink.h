#pragma once

#include <QByteArray>

namespace zaq {

class ActivityLog;
class ClientSocketZAQ;
class Clock;
class CommandQueue;
class LinkHooks;
class MessagesList;
class Pinger;
class SerialLink;
class StationDispatcher;
struct Configuration;
struct MainForm;
struct SafetyState;
struct SettingsForm;
struct StationFlags;

// The conversation with the station: the 100 ms pump (input, indicators, pacing of the queued
// commands, the silence watch) and the 4-second presence duty (station detection, Internet
// check, presence and the day's extremes request). Only the master PC commands the station.
class StationLink {
  public:
    struct Deps {
        CommandQueue& queue;
        SerialLink& serial;
        ClientSocketZAQ& client;
        StationDispatcher& dispatcher;
        StationFlags& flags;
        SafetyState& safety;
        MainForm& main;
        const SettingsForm& settings;
        const Configuration& config;
        Pinger& pinger;
        MessagesList& messages;
        ActivityLog& log;
        const Clock& clock;
        LinkHooks& hooks;
    };

    static constexpr int kSilenceTicks = 100;  // ten seconds of 100 ms ticks
    static constexpr int kMaxPending = 50;
    static constexpr int kPresencePerExtremes = 20;

    explicit StationLink(const Deps& deps) : p_(deps) {}

    void pumpTick();
    void presenceTick();

    void sendNow(const QByteArray& text);
    // Pings the configured station address; remembers whether it answered.
    bool checkStation();
    void connectStation();
    bool stationDetected() const { return stationDetected_; }
    void setStationDetected(bool detected) { stationDetected_ = detected; }

  private:
    bool isMaster() const;
    void showAutomationIndicator();
    void blinkRx();
    void readSerialInput();
    void watchListenOnly();
    void pumpMaster();
    void reportNoResponse();
    bool presenceAllowed();

    Deps p_;
    bool stationDetected_ = false;
    int silenceTicks_ = 0;
    int blinkTicks_ = 0;
    int presenceCount_ = 0;
    int lastCheckHour_ = -1;
    bool internetOk_ = true;
};

}  // namespace zaq
