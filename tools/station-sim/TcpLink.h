#pragma once

#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include "SimLink.h"

namespace zaqsim {

// Serves one client at a time; a new connection replaces the old one, as the station's network
// adapter does.
class TcpLink final : public SimLink {
    Q_OBJECT
  public:
    TcpLink(QHostAddress address, quint16 port, QObject* parent = nullptr)
        : SimLink(parent), address_(std::move(address)), port_(port) {}

    bool open(QString& error) override;
    void write(const QByteArray& bytes) override;
    quint16 port() const { return server_.serverPort(); }

  private:
    void acceptClient();

    QHostAddress address_;
    quint16 port_;
    QTcpServer server_;
    QPointer<QTcpSocket> client_;
};

}  // namespace zaqsim
