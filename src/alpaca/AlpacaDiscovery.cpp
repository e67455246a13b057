#include "alpaca/AlpacaDiscovery.h"

#include <QNetworkDatagram>

namespace zaq {

AlpacaDiscovery::AlpacaDiscovery(QObject* parent) : QObject(parent) {
    connect(&socket_, &QUdpSocket::readyRead, this, &AlpacaDiscovery::answerDatagrams);
}

bool AlpacaDiscovery::start(const QHostAddress& serverAddress, quint16 serverPort, QString& error) {
    serverPort_ = serverPort;
    const QHostAddress address =
        serverAddress.isLoopback() ? serverAddress : QHostAddress(QHostAddress::Any);
    // Other Alpaca servers on this PC may answer on the same port.
    if (!socket_.bind(address, kPort, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint)) {
        error = socket_.errorString();
        return false;
    }
    return true;
}

void AlpacaDiscovery::answerDatagrams() {
    static constexpr qint64 kLongestAsked = 1024;
    while (socket_.hasPendingDatagrams()) {
        const QNetworkDatagram asked = socket_.receiveDatagram(kLongestAsked);
        if (asked.isValid() && asked.data().contains("alpacadiscovery1")) {
            socket_.writeDatagram(
                QByteArray("{\"AlpacaPort\":") + QByteArray::number(serverPort_) + '}',
                asked.senderAddress(), static_cast<quint16>(asked.senderPort()));
        }
    }
}

}  // namespace zaq
