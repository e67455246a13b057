#pragma once

#include <QHostAddress>
#include <QObject>
#include <QUdpSocket>

namespace zaq {

// The Alpaca discovery answer: a datagram holding "alpacadiscovery1" on UDP port 32227 is
// answered to its sender with the HTTP port.
class AlpacaDiscovery final : public QObject {
  public:
    static constexpr quint16 kPort = 32227;

    explicit AlpacaDiscovery(QObject* parent = nullptr);

    // On loopback only for a server on loopback, on every interface otherwise (broadcasts do
    // not reach a socket bound to one address). False with the reason when the port is taken.
    bool start(const QHostAddress& serverAddress, quint16 serverPort, QString& error);

  private:
    void answerDatagrams();

    QUdpSocket socket_;
    quint16 serverPort_ = 0;
};

}  // namespace zaq
