#include "core/CommandLine.h"

#include <QCommandLineParser>

#include "alpaca/AlpacaServer.h"
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
        "  --alpaca [PUERTO]        sirve la seguridad, las condiciones y el techo a\n"
        "                           los clientes ASCOM Alpaca (por defecto, 11111)\n"
        "  --alpaca-bind DIRECCION  la direccion del servidor Alpaca (por defecto,\n"
        "                           127.0.0.1); Alpaca no tiene contraseña: use solo\n"
        "                           la de la red del observatorio\n"
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

QString refusal(const QString& text) {
    return QStringLiteral("zaq: ") + text + QStringLiteral(" (zaq --help lista las opciones)");
}

// "--alpaca" takes its port only when one follows, which the option parser cannot say:
// it is taken out before. False with the refusal for a port that is not one.
bool takeAlpacaSwitch(QStringList& arguments, CommandLine& line) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString port;
        const QString& word = arguments[i];
        if (word.startsWith(QLatin1String("--alpaca="))) {
            port = word.mid(9);
        } else if (word == QLatin1String("--alpaca") || word == QLatin1String("-alpaca")) {
            const QString next = arguments.value(i + 1);
            const bool given = !next.isEmpty() && !next.startsWith(u'-');
            port = given ? next : QString::number(AlpacaServer::kDefaultPort);
            if (given) {
                arguments.removeAt(i + 1);
            }
        } else {
            continue;
        }
        arguments.removeAt(i);
        bool number = false;
        const uint value = port.toUInt(&number);
        if (!number || value > 65535) {
            line.action = CommandLine::Action::Refuse;
            line.text = refusal(QStringLiteral("--alpaca no es un puerto valido: ") + port);
            return false;
        }
        line.alpacaPort = static_cast<quint16>(value);
        return true;
    }
    return true;
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
    const QCommandLineOption alpacaBind(QStringLiteral("alpaca-bind"), QString(),
                                        QStringLiteral("DIRECCION"));
    parser.addOptions({headless, serialDevice, programDirectory, alpacaBind, help, version});

    CommandLine line;
    line.server = takeServerSwitches(arguments);
    if (!takeAlpacaSwitch(arguments, line)) {
        return line;
    }
    if (!parser.parse(QStringList{QStringLiteral("zaq")} + arguments)) {
        line.action = CommandLine::Action::Refuse;
        const QStringList unknown = parser.unknownOptionNames();
        line.text = refusal(unknown.isEmpty()
                                ? parser.errorText()
                                : QStringLiteral("opcion desconocida: ") + unknown.constFirst());
        return line;
    }
    if (!parser.positionalArguments().isEmpty()) {
        line.action = CommandLine::Action::Refuse;
        line.text = refusal(QStringLiteral("argumento desconocido: ") +
                            parser.positionalArguments().constFirst());
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
    if (parser.isSet(alpacaBind) && !line.alpacaBind.setAddress(parser.value(alpacaBind))) {
        line.action = CommandLine::Action::Refuse;
        line.text = refusal(QStringLiteral("--alpaca-bind no es una direccion IP: ") +
                            parser.value(alpacaBind));
        return line;
    }
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
