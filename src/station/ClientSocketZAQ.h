#pragma once

#include <QObject>
#include <QTcpSocket>
#include <functional>

namespace zaq {

class MessagesList;
struct StationFlags;

// The TCP client to the station's network adapter. Errors are reported in the messages list,
// never in a dialog.
class ClientSocketZAQ : public QObject {
    Q_OBJECT
  public:
    using Feed = std::function<void(const QByteArray&)>;

    ClientSocketZAQ(MessagesList& messages, const StationFlags& flags, Feed feed);

    // Closes the client, then connects it to the address and port.
    void connectTo(const QString& address, const QString& port);
    void close();
    bool connected() const { return connected_; }
    bool active() const { return socket_.state() != QAbstractSocket::UnconnectedState; }
    void send(const QByteArray& bytes);

  private:
    void onStateChanged(QAbstractSocket::SocketState state);
    void onError(QAbstractSocket::SocketError error);
    void onReadyRead();

    MessagesList& messages_;
    const StationFlags& flags_;
    Feed feed_;
    QTcpSocket socket_;
    bool connected_ = false;
};

}  // namespace zaq
