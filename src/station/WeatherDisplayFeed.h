#pragma once

#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <array>
#include <vector>

namespace zaq {

class Clock;
struct MainForm;
class MessagesList;
struct SettingsForm;

// The Weather Display feed: the station's WMR968-compatible records, cut out of the received
// bytes by time and served unchanged to the first client on the feed port.
class WeatherDisplayFeed : public QObject {
    Q_OBJECT
  public:
    struct Deps {
        MainForm& main;
        SettingsForm& settings;
        MessagesList& messages;
        const Clock& clock;
        quint16 port;
    };
    // What one capture window holds before it is sent on in a further block.
    static constexpr int kBufferBytes = 2004;
    static constexpr qint64 kWindowMs = 1000;

    explicit WeatherDisplayFeed(Deps deps);
    ~WeatherDisplayFeed() override;

    // Starts listening; a port that cannot be opened leaves the feed off for the run.
    void startWeatherDisplayFeed();
    // Every received byte, before any other handling.
    void captureByte(unsigned char byte);
    // At the end of every pump tick.
    void weatherDisplaySendCheck();

    bool wdConnected() const { return wdConnected_; }
    quint16 serverPort() const { return server_.serverPort(); }

  private:
    void sendCaptured();
    void onNewConnection();
    void onClientDisconnected(QTcpSocket* client);
    void onClientError(QTcpSocket* client, QAbstractSocket::SocketError error);
    void closeServer();

    Deps d_;
    QTcpServer server_;
    // In the order they connected: only the first one receives.
    std::vector<QTcpSocket*> clients_;
    bool wdConnected_ = false;

    bool capturing_ = false;
    qint64 captureStartMs_ = 0;
    std::array<char, kBufferBytes> buffer_{};
    int length_ = 0;
};

}  // namespace zaq
