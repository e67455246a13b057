#include "automation/ServerRegistration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "automation/WeatherInterface.h"
#include "ui/TextFile.h"

namespace zaq {
namespace {

const QString kClassId = QStringLiteral("{6E0C5E1A-3F4B-4C2D-9A71-2B5D8E7F1A01}");
const QString kLibraryId = QStringLiteral("{6E0C5E1A-3F4B-4C2D-9A71-2B5D8E7F1A02}");
const QString kClassDescription = QStringLiteral("ZAQ weather station automation server");
const QString kAutomationSwitch = QStringLiteral("/Automation");

bool isSwitch(const QString& argument, const char* name) {
    return (argument.startsWith(u'/') || argument.startsWith(u'-')) &&
           argument.mid(1).compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

// Takes every occurrence of the switch; true when there was one.
bool take(QStringList& arguments, const char* name) {
    return arguments.removeIf([name](const QString& a) { return isSwitch(a, name); }) > 0;
}

QString directoryOf(const char* variable, const char* fallback) {
    const QString set = qEnvironmentVariable(variable);
    return set.isEmpty() ? QDir::homePath() + u'/' + QLatin1String(fallback) : set;
}

// The activation file's Exec line splits its arguments at blanks unless they are quoted.
QString execArgument(const QString& text) {
    if (!text.contains(u' ') && !text.contains(u'"') && !text.contains(u'\'')) {
        return text;
    }
    QString quoted = text;
    quoted.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    return u'"' + quoted + u'"';
}

bool writeFile(const QString& path, const QString& text, QString& failure) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !replaceFile(path, text.toUtf8())) {
        failure = QStringLiteral("no es posible escribir ") + path;
        return false;
    }
    return true;
}

}  // namespace

ServerSwitch takeServerSwitches(QStringList& arguments) {
    const bool reg = take(arguments, "regserver");
    const bool unreg = take(arguments, "unregserver");
    const bool automation = take(arguments, "automation");
    const bool embedding = take(arguments, "embedding");
    if (reg) {
        return ServerSwitch::RegServer;
    }
    if (unreg) {
        return ServerSwitch::UnregServer;
    }
    return automation || embedding ? ServerSwitch::Automation : ServerSwitch::Register;
}

RegistrationFiles RegistrationFiles::fromEnvironment() {
    const QString config = directoryOf("XDG_CONFIG_HOME", ".config");
    const QString data = directoryOf("XDG_DATA_HOME", ".local/share");
    return {config + QStringLiteral("/zaq/registry.ini"),
            data + QStringLiteral("/dbus-1/services/zaq.Weather.service"),
            data + QStringLiteral("/dbus-1/interfaces/zaq.IWeather.xml")};
}

QString registryText(const QString& programPath) {
    const QString clsid = QStringLiteral("CLSID\\") + kClassId;
    const auto section = [](const QString& key, const QString& value) {
        return u'[' + key + QStringLiteral("]\n@=") + value + u'\n';
    };
    return section(clsid, kClassDescription) +
           section(clsid + QStringLiteral("\\LocalServer32"),
                   programPath + u' ' + kAutomationSwitch) +
           QStringLiteral("ThreadingModel=Apartment\n") +
           section(QLatin1String(kWeatherService), kClassDescription) +
           section(QLatin1String(kWeatherService) + QStringLiteral("\\CLSID"), kClassId) +
           section(clsid + QStringLiteral("\\ProgID"), QLatin1String(kWeatherService)) +
           section(clsid + QStringLiteral("\\Version"), QStringLiteral("%1.%2").arg(1).arg(0)) +
           section(clsid + QStringLiteral("\\Typelib"), kLibraryId);
}

bool registerServer(const RegistrationFiles& files, const QString& programPath,
                    const QString& programDirectory, QString& failure) {
    const QString activation =
        QStringLiteral("[D-BUS Service]\nName=%1\nExec=%2 --program-directory %3 %4\n")
            .arg(QLatin1String(kWeatherService), execArgument(programPath),
                 execArgument(programDirectory), kAutomationSwitch);
    return writeFile(files.registry, registryText(programPath), failure) &&
           writeFile(files.activation, activation, failure) &&
           writeFile(files.interfaceXml, weatherIntrospectionDocument(), failure);
}

bool unregisterServer(const RegistrationFiles& files, QString& failure) {
    for (const QString& path : {files.registry, files.activation, files.interfaceXml}) {
        if (QFile::exists(path) && !QFile::remove(path)) {
            failure = QStringLiteral("no es posible borrar ") + path;
            return false;
        }
    }
    return true;
}

}  // namespace zaq
