#include "core/CommandLine.h"

#include <QCommandLineParser>

#include "base/ProgramVersion.h"

namespace zaq {
namespace {

QString usageText() {
    return QStringLiteral(
        "Uso: zaq [opciones]\n"
        "Compañero de PC de la estacion meteorologica ZAQ.\n\n"
        "Opciones:\n"
        "  --headless               sin ventanas: cada linea de mensajes a la salida\n"
        "                           estandar, y una linea de estado cada minuto\n"
        "  --serial-device RUTA     dispositivo del puerto serie (en lugar de\n"
        "                           /dev/ttyS(n-1))\n"
        "  --program-directory DIR  directorio de zaq.cfg y de los ficheros del\n"
        "                           programa (por defecto, el directorio actual)\n"
        "  /RegServer               registra zaq.Weather en D-Bus y termina\n"
        "  /UnregServer             borra ese registro y termina\n"
        "  /Automation              iniciado para un cliente de zaq.Weather: termina\n"
        "                           cuando el ultimo cliente deja el bus\n"
        "  --help                   esta ayuda\n"
        "  --version                la version del programa\n\n"
        "Variables de entorno:\n"
        "  ZAQ_SERIAL_DEVICE        como --serial-device\n"
        "  ZAQ_WD_PORT              el puerto de Weather Display (por defecto, 5557)\n"
        "  ZAQ_SHUTDOWN_COMMAND     la orden de apagado por bateria baja (por defecto,\n"
        "                           systemctl poweroff -i)\n");
}

}  // namespace

CommandLine readCommandLine(QStringList arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption headless(QStringLiteral("headless"));
    const QCommandLineOption serialDevice(QStringLiteral("serial-device"), QString(),
                                          QStringLiteral("RUTA"));
    const QCommandLineOption programDirectory(QStringLiteral("program-directory"), QString(),
                                              QStringLiteral("DIR"));
    const QCommandLineOption help(QStringLiteral("help"));
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({headless, serialDevice, programDirectory, help, version});

    CommandLine line;
    line.server = takeServerSwitches(arguments);
    if (!parser.parse(QStringList{QStringLiteral("zaq")} + arguments)) {
        line.action = CommandLine::Action::Refuse;
        const QStringList unknown = parser.unknownOptionNames();
        line.text = (unknown.isEmpty()
                         ? QStringLiteral("zaq: ") + parser.errorText()
                         : QStringLiteral("zaq: opcion desconocida: ") + unknown.constFirst()) +
                    QStringLiteral(" (zaq --help lista las opciones)");
        return line;
    }
    if (!parser.positionalArguments().isEmpty()) {
        line.action = CommandLine::Action::Refuse;
        line.text = QStringLiteral("zaq: argumento desconocido: ") +
                    parser.positionalArguments().constFirst() +
                    QStringLiteral(" (zaq --help lista las opciones)");
        return line;
    }
    if (parser.isSet(help)) {
        line.action = CommandLine::Action::ShowHelp;
        line.text = usageText();
        return line;
    }
    if (parser.isSet(version)) {
        line.action = CommandLine::Action::ShowVersion;
        line.text = QStringLiteral("zaq ") + programVersionText() + u'\n';
        return line;
    }
    line.headless = parser.isSet(headless);
    line.serialDevice = parser.isSet(serialDevice) ? parser.value(serialDevice)
                                                   : qEnvironmentVariable("ZAQ_SERIAL_DEVICE");
    line.programDirectory = parser.value(programDirectory);
    if (qEnvironmentVariableIsSet("ZAQ_WD_PORT")) {
        bool ok = false;
        const uint port = qEnvironmentVariable("ZAQ_WD_PORT").toUInt(&ok);
        if (!ok || port == 0 || port > 65535) {
            line.action = CommandLine::Action::Refuse;
            line.text = QStringLiteral("zaq: ZAQ_WD_PORT no es un puerto valido: ") +
                        qEnvironmentVariable("ZAQ_WD_PORT");
            return line;
        }
        line.wdPort = static_cast<quint16>(port);
    }
    return line;
}

bool displayMissing() {
    return qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
           qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

QString noDisplayText() {
    return QStringLiteral(
        "zaq: no se encuentra una pantalla (DISPLAY); zaq --headless funciona sin ventanas");
}

}  // namespace zaq
