// The program entry: the application, its five windows in their order, and the message loop.
// With --headless the same objects run without windows (on Qt's offscreen platform, so pictures
// can still be drawn) and every line of the messages list goes to standard output.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <cstdio>
#include <exception>
#include <memory>
#include <optional>

#include "alpaca/AlpacaServer.h"
#include "automation/ServerRegistration.h"
#include "automation/WeatherObject.h"
#include "cameras/NetworkHttpClient.h"
#include "core/AlsaSoundPlayer.h"
#include "core/AppContext.h"
#include "core/CommandLine.h"
#include "core/CommandShutdown.h"
#include "core/HeadlessPrompter.h"
#include "core/MainWindow.h"
#include "core/QuitSignals.h"
#include "core/WindowConstruction.h"
#include "graphs/ChartPicturesView.h"
#include "graphs/GraphsWindow.h"
#include "settings/MessagesWindow.h"
#include "settings/SettingsWindow.h"
#include "station/IcmpPinger.h"
#include "ui/PrompterView.h"
#include "ui/SummaryWindow.h"

namespace {

// The windows of the program, created in the order main, messages, graphs, settings, summary.
struct Windows {
    std::unique_ptr<zaq::MainWindow> main;
    std::unique_ptr<zaq::MessagesWindow> messages;
    std::unique_ptr<zaq::GraphsWindow> graphs;
    std::unique_ptr<zaq::SettingsWindow> settings;
    std::unique_ptr<zaq::SummaryWindow> summary;
};

int run(const zaq::CommandLine& args, const QString& programDirectory,
        const QString& registrationFailure, zaq::Prompter& prompter,
        zaq::HeadlessPrompter* headless) {
    zaq::SystemClock clock;
    zaq::MessagesList* messages = nullptr;
    zaq::IcmpPinger pinger([&messages](const QString& why) {
        if (messages != nullptr) {
            messages->addMessage(why);
        }
    });
    zaq::AlsaSoundPlayer sound;
    zaq::ChartPicturesView chartPictures;
    zaq::CommandShutdown shutdown;
    zaq::NetworkHttpClient http;
    zaq::AppContext app({clock, prompter, pinger, sound, chartPictures, shutdown, http},
                        {programDirectory, args.serialDevice, args.wdPort});
    messages = &app.messages;
    if (headless != nullptr) {
        headless->attach(app.messages);
        app.messages.addListener([](const QString& line) {
            std::fputs(line.toUtf8().constData(), stdout);
            std::fputc('\n', stdout);
            std::fflush(stdout);
        });
        app.wiring.setStatusListener([](const QString& line) {
            std::fputs(line.toUtf8().constData(), stdout);
            std::fputc('\n', stdout);
            std::fflush(stdout);
        });
    }

    if (!registrationFailure.isEmpty()) {
        app.messages.addMessage(QStringLiteral("zaq.Weather sin registrar: ") +
                                registrationFailure);
    }
    // A program started for a client ends with its last client, as the signals end it.
    zaq::WeatherObject weatherObject(app.weather, app.messages,
                                     args.server == zaq::ServerSwitch::Automation
                                         ? std::function<void()>([] { QCoreApplication::exit(0); })
                                         : std::function<void()>());
    weatherObject.publish();
    std::unique_ptr<zaq::AlpacaServer> alpaca;
    if (args.alpacaPort) {
        alpaca = std::make_unique<zaq::AlpacaServer>(app.weather, app.messages);
        alpaca->start(args.alpacaBind, *args.alpacaPort);
    }

    zaq::WindowConstruction construction(app);
    Windows windows;
    construction.constructMainWindow();
    if (headless == nullptr) {
        if (QFile::exists(QStringLiteral("zaq.ico"))) {
            QApplication::setWindowIcon(QIcon(QStringLiteral("zaq.ico")));
        }
        windows.main = std::make_unique<zaq::MainWindow>(app);
        windows.messages = std::make_unique<zaq::MessagesWindow>(app);
        windows.graphs = std::make_unique<zaq::GraphsWindow>(app);
    }
    construction.constructSettingsWindow();
    if (headless == nullptr) {
        windows.settings = std::make_unique<zaq::SettingsWindow>(app);
        windows.summary = std::make_unique<zaq::SummaryWindow>(app.summaryForm, app.summaryActions);
        windows.main->refresh();
    }
    zaq::installQuitSignals();
    app.timers.start();
    return QCoreApplication::exec();
}

// The text to a stream as UTF-8.
void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toUtf8().constData(), stream);
}

QString programPath(const char* argv0) {
    const QString exe = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    return exe.isEmpty() ? QFileInfo(QString::fromLocal8Bit(argv0)).absoluteFilePath() : exe;
}

// The automation server's registration, as its switches ask; returns the exit code when the
// program ends here.
std::optional<int> registerAsAsked(const zaq::CommandLine& args, const QString& programDirectory,
                                   const char* argv0, QString& failure) {
    const auto files = zaq::RegistrationFiles::fromEnvironment();
    QString directory = programDirectory;
    directory.chop(1);
    switch (args.server) {
        case zaq::ServerSwitch::RegServer:
        case zaq::ServerSwitch::Register:
            if (!zaq::registerServer(files, programPath(argv0), directory, failure) &&
                args.server == zaq::ServerSwitch::RegServer) {
                print(stderr, QStringLiteral("zaq: ") + failure + u'\n');
                return 1;
            }
            break;
        case zaq::ServerSwitch::UnregServer:
            if (!zaq::unregisterServer(files, failure)) {
                print(stderr, QStringLiteral("zaq: ") + failure + u'\n');
                return 1;
            }
            return 0;
        case zaq::ServerSwitch::Automation:
            break;
    }
    if (args.server == zaq::ServerSwitch::RegServer) {
        return 0;
    }
    return std::nullopt;
}

// The program directory: the one given, made current so that "./" names it, or the current one.
std::optional<QString> chooseProgramDirectory(const QString& given) {
    if (!given.isEmpty() && !QDir::setCurrent(given)) {
        return std::nullopt;
    }
    return QDir::currentPath() + u'/';
}

}  // namespace

// Help, version and refusals are answered before any Qt application exists, so they work on a
// machine without a display.
int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const zaq::CommandLine args = zaq::readCommandLine(arguments);
    switch (args.action) {
        case zaq::CommandLine::Action::ShowHelp:
        case zaq::CommandLine::Action::ShowVersion:
            print(stdout, args.text);
            return 0;
        case zaq::CommandLine::Action::Refuse:
            print(stderr, args.text + u'\n');
            return 2;
        case zaq::CommandLine::Action::Run:
            break;
    }
    const auto programDirectory = chooseProgramDirectory(args.programDirectory);
    if (!programDirectory) {
        print(stderr, QStringLiteral("zaq: no se puede usar el directorio ") +
                          args.programDirectory + u'\n');
        return 2;
    }
    // Registration needs no display: it comes before any window.
    QString registrationFailure;
    if (const auto ended = registerAsAsked(args, *programDirectory, argv[0], registrationFailure)) {
        return *ended;
    }
    if (!args.headless && zaq::displayMissing()) {
        print(stderr, zaq::noDisplayText() + u'\n');
        return 2;
    }
    try {
        if (args.headless) {
            // No display: the chart pictures are still drawn, off the screen.
            qputenv("QT_QPA_PLATFORM", "offscreen");
            QApplication application(argc, argv);
            QCoreApplication::setApplicationName(QStringLiteral("ZAQ"));
            zaq::HeadlessPrompter prompter;
            return run(args, *programDirectory, registrationFailure, prompter, &prompter);
        }
        QApplication application(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("ZAQ"));
        zaq::PrompterView prompter;
        try {
            return run(args, *programDirectory, registrationFailure, prompter, nullptr);
        } catch (const std::exception& error) {
            QMessageBox::critical(nullptr, QStringLiteral("ZAQ"),
                                  QString::fromLocal8Bit(error.what()));
            return 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "ZAQ: %s\n", error.what());
        return 1;
    }
}
