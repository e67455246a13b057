#pragma once

#include <QHostAddress>
#include <QString>
#include <QStringList>

#include <optional>

#include "automation/ServerRegistration.h"

namespace zaq {

// The program's command line, read before any window exists.
struct CommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, Refuse };

    Action action = Action::Run;
    bool headless = false;
    ServerSwitch server = ServerSwitch::Register;
    QString serialDevice;
    QString programDirectory;
    // The Weather Display feed port (ZAQ_WD_PORT).
    quint16 wdPort = 5557;
    // The Alpaca server, off unless asked for (0: a free port, said in the messages list).
    std::optional<quint16> alpacaPort;
    QHostAddress alpacaBind{QHostAddress::LocalHost};
    // For Help, Version and Refuse: what to print (Refuse: one line for standard error).
    QString text;
};

// Arguments after the program name; the environment gives ZAQ_SERIAL_DEVICE and ZAQ_WD_PORT.
CommandLine readCommandLine(QStringList arguments);

// Windows need a display: none is named by QT_QPA_PLATFORM, DISPLAY or WAYLAND_DISPLAY.
bool displayMissing();
QString noDisplayText();

}  // namespace zaq
