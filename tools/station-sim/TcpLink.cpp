#include "TcpLink.h"

namespace zaqsim {

bool TcpLink::open(QString& error) {
    connect(&server_, &QTcpServer::newConnection, this, &TcpLink::acceptClient);
    if (!server_.listen(address_, port_)) {
        error = server_.errorString();
        return false;
    }
    emit note(
        QStringLiteral("listening on %1:%2").arg(address_.toString()).arg(server_.serverPort()));
    return true;
}

void TcpLink::acceptClient() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        if (client_) {
            emit note(QStringLiteral("new client replaces the old one"));
            client_->abort();
            client_->deleteLater();
        }
        client_ = socket;
        emit note(QStringLiteral("client %1 connected").arg(socket->peerAddress().toString()));
        connect(socket, &QTcpSocket::readyRead, this,
                [this, socket] { emit received(socket->readAll()); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            emit note(QStringLiteral("client disconnected"));
            socket->deleteLater();
        });
    }
}

void TcpLink::write(const QByteArray& bytes) {
    if (client_ && client_->state() == QAbstractSocket::ConnectedState) {
        client_->write(bytes);
    }
}

}  // namespace zaqsim
