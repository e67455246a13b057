#pragma once

#include <QNetworkAccessManager>

#include "cameras/HttpClient.h"

namespace zaq {

// The HTTP client over Qt Network. The status code is not examined: any answer of the server is
// a success, except one still asking for credentials.
class NetworkHttpClient final : public HttpClient {
  public:
    void get(const HttpRequest& request, Done done) override;

  private:
    static HttpResult finish(QNetworkReply* reply, const HttpRequest& request);

    QNetworkAccessManager manager_;
};

}  // namespace zaq
