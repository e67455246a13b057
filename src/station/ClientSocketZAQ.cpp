#include "station/ClientSocketZAQ.h"

#include "base/MessagesList.h"
#include "base/StationFlags.h"

namespace zaq {
namespace {
// A single read larger than this is line noise, not station messages, except during a dump: then
// the station sends about 5.8 kB/s and any busy moment of the program gathers more in one read.
constexpr qint64 kNoiseBytes = 2200;
}  // namespace

ClientSocketZAQ::ClientSocketZAQ(MessagesList& messages, const StationFlags& flags, Feed feed)
    : messages_(messages), flags_(flags), feed_(std::move(feed)) {
    connect(&socket_, &QTcpSocket::stateChanged, this, &ClientSocketZAQ::onStateChanged);
    connect(&socket_, &QTcpSocket::errorOccurred, this, &ClientSocketZAQ::onError);
    connect(&socket_, &QTcpSocket::readyRead, this, &ClientSocketZAQ::onReadyRead);
}

void ClientSocketZAQ::connectTo(const QString& address, const QString& port) {
    close();
    socket_.connectToHost(address, static_cast<quint16>(port.trimmed().toUInt()));
}

void ClientSocketZAQ::close() {
    socket_.abort();
    connected_ = false;
}

void ClientSocketZAQ::send(const QByteArray& bytes) {
    if (connected_) {
        socket_.write(bytes);
    }
}

void ClientSocketZAQ::onStateChanged(QAbstractSocket::SocketState state) {
    connected_ = state == QAbstractSocket::ConnectedState;
}

// The adapter closing the connection is a disconnect, not an error.
void ClientSocketZAQ::onError(QAbstractSocket::SocketError error) {
    connected_ = false;
    if (error == QAbstractSocket::RemoteHostClosedError) {
        return;
    }
    messages_.addMessage(QStringLiteral("ClientSocket ZAQ Error "));
}

void ClientSocketZAQ::onReadyRead() {
    const QByteArray bytes = socket_.readAll();
    if (bytes.size() > kNoiseBytes && !flags_.dumpInProgress) {
        messages_.addMessage(QStringLiteral("Ruido "));
        return;
    }
    feed_(bytes);
}

}  // namespace zaq
