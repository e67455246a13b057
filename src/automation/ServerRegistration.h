#pragma once

#include <QString>
#include <QStringList>

namespace zaq {

// The automation server's switches, found case-insensitively with "/" or "-" in front.
enum class ServerSwitch {
    RegServer,    // register and end
    UnregServer,  // unregister and end
    Register,     // an ordinary start: register, then run
    Automation,   // started for a client: run without registering, end with the last client
};

// Looks for the switches in their order and removes them from the arguments.
ServerSwitch takeServerSwitches(QStringList& arguments);

// Where the registration lives: the registry table, the D-Bus activation file and the
// interface's introspection data.
struct RegistrationFiles {
    QString registry;
    QString activation;
    QString interfaceXml;

    // Under $XDG_CONFIG_HOME and $XDG_DATA_HOME (~/.config and ~/.local/share when unset).
    static RegistrationFiles fromEnvironment();
};

// Writes the three files; an activated program is started as
// "<program> --program-directory <directory> /Automation". False with the reason when one cannot
// be written.
bool registerServer(const RegistrationFiles& files, const QString& programPath,
                    const QString& programDirectory, QString& failure);
// Removes them; files already missing are not a failure.
bool unregisterServer(const RegistrationFiles& files, QString& failure);

// The registry table as the ini file holds it: one section per key, "@" for the default value.
QString registryText(const QString& programPath);

}  // namespace zaq
