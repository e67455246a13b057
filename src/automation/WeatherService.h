#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <stdexcept>

namespace zaq {

enum class RoofState;
class Clock;
class CommandQueue;
struct MainForm;
class MessagesList;
struct SettingsForm;
struct CurrentReadings;
struct LastDataMessage;
struct SafetyState;

// What an automation surface reports when a member cannot do its work; the text is the
// program's own, for the client to show.
class WeatherError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The one home of the rules every automation surface shares: each reading as the automation
// object gives it, the safety verdict, the roof (sky-blue `PTecho` only) and the station
// commands. It keeps no state of its own beyond `automationConnected` and the roof order a
// network surface gave: every read is of the program's state at the moment of the call.
class WeatherService {
  public:
    // The roof as the surfaces beyond this PC report it: open in either open state, moving from
    // an accepted order or the station's echo until the station reports where it stands.
    enum class RoofMotion { Open, Closed, Opening, Closing, Error };

    struct Deps {
        const CurrentReadings& readings;
        const SafetyState& safety;
        const LastDataMessage& lastMessage;
        MainForm& main;
        SettingsForm& settings;
        CommandQueue& queue;
        MessagesList& messages;
        const Clock& clock;
        // The station's bytes into the dispatcher, as if they had been received.
        std::function<void(const QByteArray&)> feedStationBytes;
    };

    explicit WeatherService(Deps deps) : d_(std::move(deps)) {}

    double ambientTemperature() const;
    bool safe() const;
    double clouds() const;
    int skyQuality() const;
    bool precipitation() const;
    static QString name();
    QString mensajeZaq() const;
    double barometricPressure() const;
    int dewPoint() const;
    int relativeHumidity() const;
    int windDirection() const;
    int windVelocity() const;
    bool connected() const;
    void setConnected(bool on) { automationConnected_ = on; }
    void openShutter();
    void closeShutter();
    int shutterStatus() const;
    double skyMagnitude() const;
    void setupDialog();
    void mensajeCor(const QString& text);

    // For the surfaces beyond this PC, which must not report an order that will never leave:
    // throw a WeatherError with the program's refusal on a listen-only PC or, for an opening,
    // when the closing limits forbid it.
    void openRoofChecked();
    void closeRoofChecked();
    RoofMotion roofMotion();
    bool stationSilent() const;
    bool master() const;
    // The roof as the station last reported it, both open states told apart.
    RoofState reportedRoof() const;
    // The readings in their own units, once a live message has given them.
    bool readingsReceived() const;
    double secondsSinceReadings() const;
    const CurrentReadings& readings() const { return d_.readings; }
    // The infrared sky temperature, once the station has answered with one.
    std::optional<double> skyTemperature() const;
    QString stationName() const;

    // Written only by the Connected write; the "COM" indicator shows it.
    bool automationConnected() const { return automationConnected_; }

  private:
    bool roofOpen() const;
    void requireMaster() const;

    Deps d_;
    bool automationConnected_ = false;
    enum class Order { None, Open, Close };
    Order order_ = Order::None;  // the order a network surface sent, until the roof answers it
};

}  // namespace zaq
