#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <iostream>

#include "cameras/IpVideoCapture.h"
#include "cameras/NetworkHttpClient.h"
#include "cameras/SingleBoardCapture.h"
#include "support/TestContext.h"

namespace zaq::test {
namespace {

// A camera on loopback: it answers every request with `answer` (nothing at all when empty) and
// keeps the request it read.
class FakeCamera : public QObject {
  public:
    explicit FakeCamera(QByteArray answer) : answer_(std::move(answer)) {
        server_.listen(QHostAddress::LocalHost);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* peer = server_.nextPendingConnection();
            connect(peer, &QTcpSocket::readyRead, this, [this, peer] {
                request += peer->readAll();
                if (request.contains("\r\n\r\n") && !answer_.isEmpty()) {
                    peer->write(answer_);
                    peer->disconnectFromHost();
                }
            });
        });
    }
    QString url(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path);
    }
    QByteArray request;

  private:
    QByteArray answer_;
    QTcpServer server_;
};

QByteArray response(const QByteArray& status, const QByteArray& body) {
    return "HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

HttpResult fetch(NetworkHttpClient& client, const HttpRequest& request) {
    std::optional<HttpResult> result;
    client.get(request, [&](const HttpResult& r) { result = r; });
    QElapsedTimer waited;
    waited.start();
    while (!result && waited.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return result.value_or(HttpResult{false, {}, "no completion", {}});
}

struct Case {
    const char* name;
    QByteArray answer;
    bool ok;
    QString said;
};

class HttpClientTest : public ::testing::TestWithParam<Case> {};

// The status code is not examined, except a server asking for credentials; silence ends at the
// time-out.
TEST_P(HttpClientTest, AnswersAndFailures) {
    TestContext t;
    NetworkHttpClient client;
    FakeCamera camera(GetParam().answer);
    QElapsedTimer took;
    took.start();
    const HttpResult r = fetch(client, {camera.url("/GetChannel.cgi"), 300, "", "", ""});
    EXPECT_EQ(r.ok, GetParam().ok) << r.error.toStdString();
    if (GetParam().ok) {
        EXPECT_EQ(r.body, GetParam().answer.mid(GetParam().answer.indexOf("\r\n\r\n") + 4));
    }
    EXPECT_LT(took.elapsed(), 2000);
    reportHttpEvent(r, t.app.messages);
    EXPECT_EQ(t.lines().contains(GetParam().said), !GetParam().said.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Replies, HttpClientTest,
    ::testing::Values(Case{"Ok", response("200 OK", "Channel = 2"), true, ""},
                      Case{"ErrorPage", response("404 Not Found", "<html>no</html>"), true, ""},
                      Case{"Unauthorized",
                           response("401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"cam\"",
                                    "no"),
                           false, "AutentNeed"},
                      Case{"Silent", "", false, ""}),
    [](const auto& info) { return info.param.name; });

// Basic credentials go with the request; the body replaces the named file whole.
TEST(HttpClientFileTest, CredentialsAndTheBodyInAFile) {
    TestContext t;
    NetworkHttpClient client;
    FakeCamera camera(response("200 OK", QByteArray(5000, 'J')));
    const QString file = t.dirPath("picam.jpg");
    const HttpResult r =
        fetch(client, {camera.url("/picture/1/current/"), 3000, "pi", "clave", file});
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_TRUE(r.body.isEmpty());
    EXPECT_EQ(fileContents(file), QByteArray(5000, 'J'));
    EXPECT_TRUE(camera.request.startsWith("GET /picture/1/current/ HTTP/1.1"));
    EXPECT_TRUE(
        camera.request.contains("Authorization: Basic " + QByteArray("pi:clave").toBase64()))
        << camera.request.toStdString();
}

// Cameras that take the connection and never answer: both cycles keep their request open to its
// time-out, while a 100 ms timer of the same loop, as the station pump, keeps its rhythm.
TEST(SilentCamerasTest, ThePumpKeepsItsRhythm) {
    TestContext t;
    NetworkHttpClient http;
    FakeCamera silent("");
    t.app.config.ipVideoAddress = silent.url("/");
    t.app.config.cameraAddress = silent.url("/picture/x/current/");
    t.app.config.cameraUser = "webiopi";
    const CaptureDeps deps{t.app.settingsForm, t.app.config, http, t.app.messages, t.app.overlay};
    IpVideoCapture video(deps);
    SingleBoardCapture cameras(deps);
    video.BcamaraIPClick();
    cameras.BpiClick();

    QTimer pump;
    pump.setInterval(100);
    QElapsedTimer sinceLast;
    qint64 worstGap = 0;
    QObject::connect(&pump, &QTimer::timeout,
                     [&] { worstGap = std::max(worstGap, sinceLast.restart()); });
    sinceLast.start();
    pump.start();
    QElapsedTimer run;
    run.start();
    bool videoWaited = false;
    while (run.elapsed() < 6500) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        videoWaited |= video.requestOpen();
    }
    std::cout << "worst gap of the 100 ms timer: " << worstGap << " ms\n";
    EXPECT_TRUE(videoWaited);
    EXPECT_TRUE(t.lines().contains("Fallo captura IPcam")) << "the 5 s time-out came";
    EXPECT_LT(worstGap, 500) << "a request held the loop";
}

}  // namespace
}  // namespace zaq::test
