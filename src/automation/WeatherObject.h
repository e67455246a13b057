#pragma once

#include <QDBusServiceWatcher>
#include <QDBusVirtualObject>
#include <QSet>
#include <QTimer>
#include <functional>

#include "automation/ObservatoryInterface.h"

namespace zaq {

class MessagesList;
class WeatherService;

// `zaq.Weather` on the session bus: `IWeather`'s members as properties and methods of
// `zaq.IWeather` at /zaq/Weather, each a thin call of the weather service. Calls arrive through
// the program's one event loop.
class WeatherObject : public QDBusVirtualObject {
    Q_OBJECT
  public:
    // `lastClientGone` runs when the last peer that called has left the bus, or the bus itself has
    // gone (the program started for a client ends then); none for a program started by the user.
    WeatherObject(WeatherService& service, MessagesList& messages,
                  std::function<void()> lastClientGone);
    ~WeatherObject() override;

    // Registers the object and the name; without a session bus, or with the name taken, one line
    // says so and the program runs on without its automation object.
    void publish();

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

  private:
    void rememberPeer(const QString& peer);
    void onPeerGone(const QString& peer);
    void checkPeerStillThere(const QString& peer);
    void checkBusStillThere();
    QDBusMessage answer(const QDBusMessage& call);
    QDBusMessage propertyGet(const QDBusMessage& call);
    QDBusMessage propertyGetAll(const QDBusMessage& call);
    QDBusMessage propertySet(const QDBusMessage& call);
    QDBusMessage methodCall(const QDBusMessage& call);
    QDBusMessage observatoryCall(const QDBusMessage& call);
    QVariant read(const QString& name) const;

    WeatherService& service_;
    ObservatoryInterface observatory_;
    MessagesList& messages_;
    std::function<void()> lastClientGone_;
    QDBusServiceWatcher peerWatcher_;
    QTimer busWatch_;
    QSet<QString> peers_;
    bool published_ = false;
};

}  // namespace zaq
