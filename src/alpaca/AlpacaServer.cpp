#include "alpaca/AlpacaServer.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QTcpServer>
#include <QUrlQuery>

#include "base/MessagesList.h"

namespace zaq {
namespace {

QString where(const QHostAddress& address, quint16 port) {
    return (address.protocol() == QAbstractSocket::IPv6Protocol ? u'[' + address.toString() + u']'
                                                                : address.toString()) +
           u':' + QString::number(port);
}

// A form body writes its blanks as '+'; an encoded '+' stays "%2B" until decoded.
QList<QPair<QString, QString>> formItems(QString encoded) {
    QUrlQuery form(encoded.replace(u'+', u' '));
    return form.queryItems(QUrl::FullyDecoded);
}

}  // namespace

AlpacaServer::AlpacaServer(WeatherService& weather, MessagesList& messages)
    : api_(weather), discovery_(this), messages_(messages) {}

bool AlpacaServer::start(const QHostAddress& address, quint16 port) {
    auto* tcp = new QTcpServer(this);
    if (!tcp->listen(address, port)) {
        messages_.addMessage(QStringLiteral("Alpaca: no es posible escuchar en ") +
                             where(address, port) + QStringLiteral(": ") + tcp->errorString());
        delete tcp;
        return false;
    }
    bind(tcp);
    QString why;
    const bool discovered = discovery_.start(address, tcp->serverPort(), why);
    messages_.addMessage(
        QStringLiteral("Alpaca: escuchando en ") + where(address, tcp->serverPort()) +
        (discovered ? QStringLiteral(", descubrimiento en UDP %1").arg(AlpacaDiscovery::kPort)
                    : QStringLiteral(", sin descubrimiento en UDP %1: %2")
                          .arg(AlpacaDiscovery::kPort)
                          .arg(why)));
    return true;
}

bool AlpacaServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    const auto method = request.method();
    const bool put = method == QHttpServerRequest::Method::Put;
    QHttpServerResponder responder = makeResponder(request, socket);
    if (!put && method != QHttpServerRequest::Method::Get) {
        responder.write(QByteArray("Solo GET y PUT"), "text/plain; charset=utf-8",
                        QHttpServerResponder::StatusCode::MethodNotAllowed);
        return true;
    }
    AlpacaApi::Request call{put, request.url().path(),
                            formItems(request.url().query(QUrl::FullyEncoded))};
    if (put) {
        call.params += formItems(QString::fromUtf8(request.body()));
    }
    const AlpacaApi::Reply reply = api_.handle(call);
    responder.write(reply.body, reply.contentType,
                    static_cast<QHttpServerResponder::StatusCode>(reply.status));
    return true;
}

// Every request is handled above.
void AlpacaServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    makeResponder(request, socket).write(QHttpServerResponder::StatusCode::NotFound);
}

}  // namespace zaq
