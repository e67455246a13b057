#include "alpaca/AlpacaApi.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUuid>

#include "alpaca/DomeDevice.h"
#include "alpaca/ObservingConditionsDevice.h"
#include "alpaca/SafetyMonitorDevice.h"
#include "automation/WeatherService.h"
#include "base/ProgramVersion.h"

namespace zaq {
namespace {

AlpacaApi::Reply plain(int status, const QString& text) {
    return {status, "text/plain; charset=utf-8", text.toUtf8()};
}

QByteArray envelope(const AlpacaOutcome& outcome, quint32 client, quint32 server) {
    QJsonObject answer;
    if (outcome.kind == AlpacaOutcome::Kind::Value) {
        answer.insert(QStringLiteral("Value"), outcome.value);
    }
    answer.insert(QStringLiteral("ClientTransactionID"), static_cast<qint64>(client));
    answer.insert(QStringLiteral("ServerTransactionID"), static_cast<qint64>(server));
    answer.insert(QStringLiteral("ErrorNumber"), outcome.errorNumber);
    answer.insert(QStringLiteral("ErrorMessage"), outcome.message);
    return QJsonDocument(answer).toJson(QJsonDocument::Compact);
}

// The same identifier on every run and every PC for the same device.
QString uniqueId(const QString& deviceType) {
    static const QUuid zaqNamespace(QStringLiteral("{6f1c2a4e-5b0d-4e8a-9c3f-2d7e8a1b0c45}"));
    return QUuid::createUuidV5(zaqNamespace, QStringLiteral("zaq/") + deviceType)
        .toString(QUuid::WithoutBraces);
}

QString htmlPage(const QString& title, const QString& body) {
    return QStringLiteral(
               "<!DOCTYPE html>\n<html lang=\"es\"><head><meta charset=\"utf-8\">"
               "<title>%1</title></head>\n<body><h1>%1</h1>\n%2</body></html>\n")
        .arg(title, body);
}

QString setupText() {
    return QStringLiteral(
        "<p>ZAQ se configura en su propia ventana \"Configuracion\", no aqui:</p>\n<ul>\n"
        "<li>Los niveles de cierre que deciden si el techo puede abrirse: grupo "
        "\"Niveles de Cierre\", boton \"Guarda Niveles\".</li>\n"
        "<li>Si este PC manda sobre la estacion: casilla \"PC Master\" del grupo "
        "\"Comunicación\". Sin ella, el techo no acepta ordenes.</li>\n"
        "<li>La estacion y el puerto: grupo \"Comunicación\"; el nombre y el lugar: grupo "
        "\"Estación\".</li>\n"
        "<li>El puerto y la direccion de este servidor: las opciones --alpaca PUERTO y "
        "--alpaca-bind DIRECCION de la linea de ordenes.</li>\n</ul>\n");
}

}  // namespace

AlpacaApi::AlpacaApi(WeatherService& weather) : weather_(weather) {
    devices_.push_back(std::make_unique<SafetyMonitorDevice>(weather));
    devices_.push_back(std::make_unique<ObservingConditionsDevice>(weather));
    devices_.push_back(std::make_unique<DomeDevice>(weather));
}

AlpacaApi::~AlpacaApi() = default;

// Parameter names are matched in any case; the first of a name counts.
AlpacaApi::Reply AlpacaApi::handle(const Request& request) {
    Transaction transaction{0, ++serverTransaction_};
    AlpacaCall call;
    call.put = request.put;
    for (const auto& [name, value] : request.params) {
        if (!call.params.contains(name.toLower())) {
            call.params.insert(name.toLower(), value);
        }
    }
    for (const char* name : {"ClientID", "ClientTransactionID"}) {
        const std::optional<QString> text = call.param(QLatin1String(name).toString().toLower());
        bool number = false;
        const quint32 value = text ? text->toUInt(&number) : 0;
        if (text && !number) {
            return plain(400, QLatin1String(name) +
                                  QStringLiteral(" no es un numero entero sin signo: ") + *text);
        }
        transaction.client = value;
    }
    const QStringList parts = request.path.toLower().split(u'/', Qt::SkipEmptyParts);
    if (parts.size() == 5 && parts[0] == QLatin1String("api") && parts[1] == QLatin1String("v1")) {
        return deviceReply(parts, call, transaction);
    }
    if (parts.value(0) == QLatin1String("management")) {
        if (request.put) {
            return plain(405, QStringLiteral("Solo GET: ") + request.path);
        }
        return managementReply(parts.join(u'/'), transaction);
    }
    if (parts.value(0) == QLatin1String("setup")) {
        return setupPage(parts);
    }
    return plain(404, QStringLiteral("No existe: ") + request.path);
}

AlpacaApi::Reply AlpacaApi::deviceReply(const QStringList& parts, const AlpacaCall& call,
                                        Transaction transaction) {
    const QString path = QStringLiteral("/") + parts.join(u'/');
    AlpacaDevice* device = find(parts[2], parts[3]);
    if (device == nullptr) {
        return plain(404, QStringLiteral("Dispositivo desconocido: ") + parts[2] + u'/' + parts[3]);
    }
    AlpacaCall member = call;
    member.member = parts[4];
    const AlpacaOutcome outcome = device->call(member);
    switch (outcome.kind) {
        case AlpacaOutcome::Kind::NotFound:
            return plain(404, QStringLiteral("Miembro desconocido: ") + path);
        case AlpacaOutcome::Kind::BadRequest:
            return plain(400, outcome.message);
        case AlpacaOutcome::Kind::WrongMethod:
            return plain(
                405,
                (call.put ? QStringLiteral("Solo GET: ") : QStringLiteral("Solo PUT: ")) + path);
        default:
            break;
    }
    return {200, "application/json", envelope(outcome, transaction.client, transaction.server)};
}

AlpacaApi::Reply AlpacaApi::managementReply(const QString& path, Transaction transaction) const {
    QJsonValue value;
    if (path == QLatin1String("management/apiversions")) {
        value = QJsonArray{1};
    } else if (path == QLatin1String("management/v1/description")) {
        value = QJsonObject{
            {QStringLiteral("ServerName"), QStringLiteral("ZAQ")},
            {QStringLiteral("Manufacturer"), QStringLiteral("ZAQ")},
            {QStringLiteral("ManufacturerVersion"), programVersionText()},
            {QStringLiteral("Location"), weather_.stationName()},
        };
    } else if (path == QLatin1String("management/v1/configureddevices")) {
        value = configuredDevices();
    } else {
        return plain(404, QStringLiteral("No existe: /") + path);
    }
    return {200, "application/json",
            envelope(AlpacaOutcome::of(value), transaction.client, transaction.server)};
}

// Every device is number 0 of its type.
AlpacaDevice* AlpacaApi::find(const QString& type, const QString& number) const {
    for (const auto& device : devices_) {
        if (device->deviceType() == type && number == QLatin1String("0")) {
            return device.get();
        }
    }
    return nullptr;
}

QJsonValue AlpacaApi::configuredDevices() const {
    QJsonArray list;
    for (const auto& device : devices_) {
        list.append(QJsonObject{{QStringLiteral("DeviceName"), device->deviceName()},
                                {QStringLiteral("DeviceType"), device->typeName()},
                                {QStringLiteral("DeviceNumber"), 0},
                                {QStringLiteral("UniqueID"), uniqueId(device->deviceType())}});
    }
    return list;
}

AlpacaApi::Reply AlpacaApi::setupPage(const QStringList& parts) const {
    QString title = QStringLiteral("ZAQ");
    if (parts.size() == 5 && parts[1] == QLatin1String("v1") &&
        parts[4] == QLatin1String("setup")) {
        const AlpacaDevice* device = find(parts[2], parts[3]);
        if (device == nullptr) {
            return plain(404, QStringLiteral("Dispositivo desconocido: ") + parts[2]);
        }
        title = device->deviceName();
    } else if (parts.size() != 1) {
        return plain(404, QStringLiteral("No existe: /") + parts.join(u'/'));
    }
    return {200, "text/html; charset=utf-8", htmlPage(title, setupText()).toUtf8()};
}

}  // namespace zaq
