// zaq-camera-sim: the observatory's IP video server and its two single-board cameras on one HTTP
// port, for the demo and the tests.
#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTime>
#include <cstdio>

#include "CameraServer.h"

int main(int argc, char** argv) {
    // Pictures are drawn without a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("zaq-camera-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Serves GetChannel.cgi, SetChannel.cgi?Channel=N and Jpeg/CamImg.jpg of the video "
        "server, and /picture/1/current/ and /picture/2/current/ of the cameras."));
    parser.addHelpOption();
    const QCommandLineOption port(QStringLiteral("port"), "TCP port (0: any free port).",
                                  QStringLiteral("PORT"), QStringLiteral("8080"));
    const QCommandLineOption bind(QStringLiteral("bind"), "Address to listen on.",
                                  QStringLiteral("ADDR"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption user(QStringLiteral("user"),
                                  "User name the cameras ask for (none: no authentication).",
                                  QStringLiteral("NAME"));
    const QCommandLineOption password(QStringLiteral("password"), "Password of that user.",
                                      QStringLiteral("WORD"));
    const QCommandLineOption mode(
        QStringLiteral("mode"),
        "normal, slow (answer after --slow-ms), refuse, error or flaky (every fifth request slow).",
        QStringLiteral("MODE"), QStringLiteral("normal"));
    const QCommandLineOption slowMs(QStringLiteral("slow-ms"), "Delay of the slow mode.",
                                    QStringLiteral("MS"), QStringLiteral("10000"));
    parser.addOptions({port, bind, user, password, mode, slowMs});
    parser.process(app);

    const auto log = [](const QString& line) {
        std::fprintf(stderr, "%s %s\n",
                     qPrintable(QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz"))),
                     qPrintable(line));
        std::fflush(stderr);
    };
    using Behaviour = zaqsim::CameraServer::Behaviour;
    const QMap<QString, Behaviour> modes{{QStringLiteral("normal"), Behaviour::Normal},
                                         {QStringLiteral("slow"), Behaviour::Slow},
                                         {QStringLiteral("refuse"), Behaviour::Refuse},
                                         {QStringLiteral("error"), Behaviour::ErrorPage},
                                         {QStringLiteral("flaky"), Behaviour::Flaky}};
    bool portOk = false;
    const uint portNumber = parser.value(port).toUInt(&portOk);
    const QHostAddress address(parser.value(bind));
    if (!portOk || portNumber > 65535 || address.isNull() || !modes.contains(parser.value(mode))) {
        std::fprintf(stderr, "zaq-camera-sim: bad --port, --bind or --mode\n");
        return 2;
    }
    zaqsim::CameraServer server(
        {address, static_cast<quint16>(portNumber), parser.value(user), parser.value(password),
         modes.value(parser.value(mode)), parser.value(slowMs).toInt()},
        log);
    return server.start() ? app.exec() : 1;
}
