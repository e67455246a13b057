#include "CameraServer.h"

#include <QRegularExpression>
#include <QTcpSocket>
#include <QTimer>

#include "CameraPicture.h"

namespace zaqsim {
namespace {

QByteArray response(const QByteArray& status, const QByteArray& type, const QByteArray& body,
                    const QByteArray& extra = {}) {
    return "HTTP/1.1 " + status + "\r\nContent-Type: " + type +
           "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n" + extra +
           "Connection: close\r\n\r\n" + body;
}

QByteArray text(const QByteArray& body) {
    return response("200 OK", "text/plain", body);
}

}  // namespace

CameraServer::CameraServer(Options options, std::function<void(const QString&)> log)
    : options_(std::move(options)), log_(std::move(log)) {
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* peer = server_.nextPendingConnection()) {
            auto* request = new QByteArray;
            connect(peer, &QTcpSocket::disconnected, peer, [peer, request] {
                delete request;
                peer->deleteLater();
            });
            connect(peer, &QTcpSocket::readyRead, this, [this, peer, request] {
                *request += peer->readAll();
                if (request->contains("\r\n\r\n")) {
                    serve(peer, *request);
                    request->clear();
                }
            });
        }
    });
}

bool CameraServer::start() {
    if (!server_.listen(options_.address, options_.port)) {
        log_(QStringLiteral("cannot listen: ") + server_.errorString());
        return false;
    }
    log_(QStringLiteral("listening on %1:%2")
             .arg(options_.address.toString())
             .arg(server_.serverPort()));
    return true;
}

void CameraServer::serve(QTcpSocket* peer, const QByteArray& request) {
    const QList<QByteArray> words = request.split(' ');
    const QByteArray target = words.size() > 1 ? words.at(1) : QByteArray();
    log_(QStringLiteral("GET ") + QString::fromLatin1(target));
    Behaviour behaviour = options_.behaviour;
    if (behaviour == Behaviour::Flaky) {
        behaviour = ++served_ % 5 == 0 ? Behaviour::Slow : Behaviour::Normal;
    }
    switch (behaviour) {
        case Behaviour::Refuse:
            peer->abort();
            return;
        case Behaviour::ErrorPage:
            peer->write(response("500 Internal Server Error", "text/html",
                                 "<html><body>Error interno</body></html>"));
            peer->disconnectFromHost();
            return;
        case Behaviour::Slow:
            QTimer::singleShot(options_.slowMs, peer, [this, peer, target, request] {
                peer->write(answer(target, request));
                peer->disconnectFromHost();
            });
            return;
        case Behaviour::Normal:
        case Behaviour::Flaky:
            peer->write(answer(target, request));
            peer->disconnectFromHost();
            return;
    }
}

// The video server's three URLs, and /picture/N/current/ for the single-board camera N.
QByteArray CameraServer::answer(const QByteArray& target, const QByteArray& request) {
    static const QRegularExpression setChannel(
        QStringLiteral("^/SetChannel\\.cgi\\?Channel=([0-3])$"));
    static const QRegularExpression camera(QStringLiteral("^/picture/([12])/current/?$"));
    const QString path = QString::fromLatin1(target);
    if (const auto m = setChannel.match(path); m.hasMatch()) {
        channel_ = m.captured(1).toInt();
        return text("OK");
    }
    if (path == QStringLiteral("/GetChannel.cgi")) {
        // The eleventh character is the channel's digit.
        return text("Channel = " + QByteArray::number(channel_) + "\r\n");
    }
    if (path == QStringLiteral("/Jpeg/CamImg.jpg")) {
        return response(
            "200 OK", "image/jpeg",
            CameraPicture::jpeg(QStringLiteral("Canal %1").arg(channel_ + 1), 60 * channel_));
    }
    if (const auto m = camera.match(path); m.hasMatch()) {
        if (!authorised(request)) {
            return response("401 Unauthorized", "text/plain", "Unauthorized",
                            "WWW-Authenticate: Basic realm=\"camara\"\r\n");
        }
        const int number = m.captured(1).toInt();
        return response(
            "200 OK", "image/jpeg",
            CameraPicture::jpeg(QStringLiteral("Camara %1").arg(number), 200 + 40 * number));
    }
    return response("404 Not Found", "text/plain", "Not found");
}

bool CameraServer::authorised(const QByteArray& request) const {
    if (options_.user.isEmpty()) {
        return true;
    }
    const QByteArray expected =
        "Authorization: Basic " + (options_.user + u':' + options_.password).toUtf8().toBase64();
    return request.contains(expected);
}

}  // namespace zaqsim
