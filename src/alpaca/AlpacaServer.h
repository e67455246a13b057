#pragma once

#include <QAbstractHttpServer>
#include <QHostAddress>

#include "alpaca/AlpacaApi.h"
#include "alpaca/AlpacaDiscovery.h"

namespace zaq {

class MessagesList;
class WeatherService;

// The Alpaca devices over HTTP/1.1, answered in the program's event loop like every other
// request, and their discovery.
class AlpacaServer final : public QAbstractHttpServer {
  public:
    static constexpr quint16 kDefaultPort = 11111;

    AlpacaServer(WeatherService& weather, MessagesList& messages);

    // A messages-list line says where it listens, or why it could not.
    bool start(const QHostAddress& address, quint16 port);

  protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

  private:
    AlpacaApi api_;
    AlpacaDiscovery discovery_;
    MessagesList& messages_;
};

}  // namespace zaq
