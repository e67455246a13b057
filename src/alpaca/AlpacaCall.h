#pragma once

#include <QHash>
#include <QJsonValue>
#include <QString>
#include <optional>

namespace zaq {

// The device errors of the Alpaca interface, sent with HTTP 200.
namespace alpacaerror {
constexpr int notImplemented = 0x400;
constexpr int invalidValue = 0x401;
constexpr int valueNotSet = 0x402;
constexpr int notConnected = 0x407;
constexpr int invalidOperation = 0x40B;
}  // namespace alpacaerror

// One request to a device member: GET or PUT, and its parameters under lower-case names (the
// names are case-insensitive, the values are not).
struct AlpacaCall {
    bool put = false;
    QString member;
    QHash<QString, QString> params;

    std::optional<QString> param(const QString& lowerName) const {
        const auto it = params.constFind(lowerName);
        return it == params.constEnd() ? std::nullopt : std::optional<QString>(*it);
    }
};

// What a member gives: a value, nothing, a device error, or a request the server refuses.
struct AlpacaOutcome {
    enum class Kind { Value, Done, DeviceError, BadRequest, NotFound, WrongMethod };

    Kind kind = Kind::Done;
    QJsonValue value;
    int errorNumber = 0;
    QString message;

    static AlpacaOutcome of(QJsonValue value) { return {Kind::Value, std::move(value), 0, {}}; }
    static AlpacaOutcome done() { return {}; }
    static AlpacaOutcome error(int number, QString message) {
        return {Kind::DeviceError, {}, number, std::move(message)};
    }
    static AlpacaOutcome badRequest(QString why) {
        return {Kind::BadRequest, {}, 0, std::move(why)};
    }
    static AlpacaOutcome notFound() { return {Kind::NotFound, {}, 0, {}}; }
    static AlpacaOutcome wrongMethod() { return {Kind::WrongMethod, {}, 0, {}}; }
};

}  // namespace zaq
