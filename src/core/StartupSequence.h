#pragma once

#include <QString>

namespace zaq {

class ActivityLog;
class ClientSocketZAQ;
class Clock;
class CommandQueue;
class LiveFollowUp;
class MessagesList;
class SerialLink;
class StationLink;
struct Configuration;
struct MainForm;
struct SettingsForm;
struct StationFlags;

// Runs at the first 4-second tick and again whenever startupDone was lowered: reports the
// configuration, reopens the transport and asks the station for its clock and extremes.
class StartupSequence {
  public:
    struct Deps {
        StationFlags& flags;
        const Configuration& config;
        const SettingsForm& settings;
        MainForm& main;
        CommandQueue& queue;
        StationLink& link;
        SerialLink& serial;
        ClientSocketZAQ& client;
        MessagesList& messages;
        ActivityLog& log;
        LiveFollowUp& periodicProcessing;
        const Clock& clock;
    };

    explicit StartupSequence(const Deps& deps) : p_(deps) {}

    void run();

  private:
    void openNetwork();
    void openSerialLine();
    void reportOptions();
    void both(const QString& line);

    Deps p_;
};

}  // namespace zaq
