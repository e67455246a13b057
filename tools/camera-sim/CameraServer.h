#pragma once

#include <QHostAddress>
#include <QObject>
#include <QTcpServer>
#include <functional>

class QTcpSocket;

namespace zaqsim {

// The video server's three requests and the single-board cameras' pictures over HTTP/1.1, one
// request per connection.
class CameraServer : public QObject {
  public:
    // How the server answers, for tests: as a camera does, after a delay, by closing the
    // connection unanswered, with an error page, or now and then (every fifth request) late.
    enum class Behaviour { Normal, Slow, Refuse, ErrorPage, Flaky };

    struct Options {
        QHostAddress address = QHostAddress::LocalHost;
        quint16 port = 0;
        QString user;
        QString password;
        Behaviour behaviour = Behaviour::Normal;
        int slowMs = 10000;
    };

    CameraServer(Options options, std::function<void(const QString&)> log);

    bool start();

  private:
    void serve(QTcpSocket* peer, const QByteArray& request);
    QByteArray answer(const QByteArray& target, const QByteArray& request);
    bool authorised(const QByteArray& request) const;

    Options options_;
    std::function<void(const QString&)> log_;
    QTcpServer server_;
    int channel_ = 0;  // the server's channel, 0–3
    int served_ = 0;
};

}  // namespace zaqsim
