#include "station/WeatherDisplayFeed.h"

#include <utility>

#include "base/Clock.h"
#include "base/MainForm.h"
#include "base/MessagesList.h"
#include "base/SettingsForm.h"

namespace zaq {
namespace {

// An IPv4 client reached through the dual-stack server is shown in its IPv4 form.
QString addressText(const QHostAddress& address) {
    bool ipv4 = false;
    const quint32 v4 = address.toIPv4Address(&ipv4);
    return ipv4 ? QHostAddress(v4).toString() : address.toString();
}

}  // namespace

WeatherDisplayFeed::WeatherDisplayFeed(Deps deps) : d_(deps) {
    connect(&server_, &QTcpServer::newConnection, this, &WeatherDisplayFeed::onNewConnection);
}

// The server deletes its connections after this object's members are gone: their disconnects
// must not reach it then.
WeatherDisplayFeed::~WeatherDisplayFeed() {
    for (QTcpSocket* client : clients_) {
        client->disconnect(this);
    }
}

void WeatherDisplayFeed::startWeatherDisplayFeed() {
    if (!server_.listen(QHostAddress::Any, d_.port)) {
        d_.messages.addMessage(
            QStringLiteral("Weather Display: no es posible escuchar en el puerto %1 (%2).")
                .arg(d_.port)
                .arg(server_.errorString()));
    }
}

// A record starts with 0xFF; the window it opens takes every byte of the next second, text
// included, and a later 0xFF inside it does not open another.
void WeatherDisplayFeed::captureByte(unsigned char byte) {
    if (!capturing_ && byte == 0xFF) {
        capturing_ = true;
        captureStartMs_ = d_.clock.tickMs();
        length_ = 0;
    }
    if (!capturing_) {
        return;
    }
    // A fast link fills the buffer within the window: what it holds goes on in a block of its
    // own, so nothing is dropped.
    if (length_ == kBufferBytes) {
        sendCaptured();
    }
    buffer_[static_cast<std::size_t>(length_++)] = static_cast<char>(byte);
}

void WeatherDisplayFeed::weatherDisplaySendCheck() {
    if (capturing_ && length_ > 0 && d_.clock.tickMs() - captureStartMs_ > kWindowMs) {
        capturing_ = false;
        sendCaptured();
    }
}

// Without a client the capture is discarded; send errors are not reported.
void WeatherDisplayFeed::sendCaptured() {
    if (wdConnected_ && !clients_.empty()) {
        clients_.front()->write(buffer_.data(), length_);
    }
    length_ = 0;
}

void WeatherDisplayFeed::onNewConnection() {
    while (QTcpSocket* client = server_.nextPendingConnection()) {
        clients_.push_back(client);
        connect(client, &QTcpSocket::disconnected, this,
                [this, client] { onClientDisconnected(client); });
        connect(client, &QTcpSocket::errorOccurred, this,
                [this, client](QAbstractSocket::SocketError e) { onClientError(client, e); });
        // Whatever the client sends is ignored.
        connect(client, &QTcpSocket::readyRead, client, [client] { client->readAll(); });
        wdConnected_ = true;
        d_.main.LledWD.fontColour = colours::green;
        d_.settings.LdirIP_WD.text = QStringLiteral("WD:  ") + addressText(client->peerAddress());
    }
}

void WeatherDisplayFeed::onClientDisconnected(QTcpSocket* client) {
    std::erase(clients_, client);
    client->deleteLater();
    wdConnected_ = false;
    d_.main.LledWD.fontColour = colours::grey;
    d_.settings.LdirIP_WD.text = QStringLiteral("WD -.-.-.- ");
}

// A client closing its end is a disconnect; any other error stops the feed for the run.
void WeatherDisplayFeed::onClientError(QTcpSocket*, QAbstractSocket::SocketError error) {
    if (error == QAbstractSocket::RemoteHostClosedError || !server_.isListening()) {
        return;
    }
    d_.messages.addMessage(
        QStringLiteral("Weather Display: error en la conexión; envío a WD detenido."));
    closeServer();
}

void WeatherDisplayFeed::closeServer() {
    server_.close();
    wdConnected_ = false;
    for (QTcpSocket* client : std::exchange(clients_, {})) {
        client->disconnect(this);
        client->abort();
        client->deleteLater();
    }
    d_.main.LledWD.fontColour = colours::grey;
}

}  // namespace zaq
