#include "cameras/NetworkHttpClient.h"

#include <QNetworkReply>
#include <QUrl>

#include "ui/TextFile.h"

namespace zaq {

void NetworkHttpClient::get(const HttpRequest& request, Done done) {
    QNetworkRequest http{QUrl(request.url)};
    http.setTransferTimeout(request.timeoutMs);
    http.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    // Sent with the request itself, as a camera behind basic authentication expects.
    if (!request.user.isEmpty()) {
        const QByteArray pair = (request.user + u':' + request.password).toUtf8();
        http.setRawHeader("Authorization", "Basic " + pair.toBase64());
    }
    QNetworkReply* reply = manager_.get(http);
    // Tied to the manager: a reply still open when the client goes is dropped with it.
    QObject::connect(reply, &QNetworkReply::finished, &manager_,
                     [reply, request, done = std::move(done)] {
                         reply->deleteLater();
                         done(finish(reply, request));
                     });
}

HttpResult NetworkHttpClient::finish(QNetworkReply* reply, const HttpRequest& request) {
    HttpResult result;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (reply->error() == QNetworkReply::HostNotFoundError) {
        result.event = HttpResult::Event::InvalidHost;
    }
    if (status.toInt() == 401) {
        result.event = HttpResult::Event::AuthenticationNeeded;
    }
    // An error page is still the server's answer; only a refusal of the credentials fails.
    result.ok = status.isValid() ? status.toInt() != 401 : reply->error() == QNetworkReply::NoError;
    if (!result.ok) {
        result.error = reply->errorString();
        return result;
    }
    const QByteArray body = reply->readAll();
    if (request.bodyFile.isEmpty()) {
        result.body = body;
    } else if (!replaceFile(request.bodyFile, body)) {
        result.ok = false;
        result.error = QStringLiteral("No se puede guardar ") + request.bodyFile;
    }
    return result;
}

}  // namespace zaq
