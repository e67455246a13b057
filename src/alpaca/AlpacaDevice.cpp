#include "alpaca/AlpacaDevice.h"

#include <QJsonArray>
#include <QJsonObject>

#include "base/ProgramVersion.h"

namespace zaq {

std::optional<bool> alpacaBool(const QString& text) {
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    return std::nullopt;
}

namespace {

AlpacaOutcome notImplemented(const AlpacaCall& call) {
    return AlpacaOutcome::error(alpacaerror::notImplemented,
                                QStringLiteral("No implementado: ") + call.member);
}

}  // namespace

AlpacaDevice::AlpacaDevice() {
    addGet(
        QStringLiteral("connected"),
        [this](const AlpacaCall&) { return AlpacaOutcome::of(connected_); }, false);
    addGet(
        QStringLiteral("connecting"), [](const AlpacaCall&) { return AlpacaOutcome::of(false); },
        false);
    addPut(
        QStringLiteral("connect"),
        [this](const AlpacaCall&) {
            connected_ = true;
            return AlpacaOutcome::done();
        },
        false);
    addPut(
        QStringLiteral("disconnect"),
        [this](const AlpacaCall&) {
            connected_ = false;
            return AlpacaOutcome::done();
        },
        false);
    const auto constant = [this](const QString& name, std::function<QJsonValue()> value) {
        addGet(
            name, [value](const AlpacaCall&) { return AlpacaOutcome::of(value()); }, false);
    };
    constant(QStringLiteral("description"), [this] { return description(); });
    constant(QStringLiteral("driverinfo"), [] {
        return QStringLiteral("ZAQ, compañero de PC de la estacion meteorologica ZAQ");
    });
    constant(QStringLiteral("driverversion"), [] { return programVersionText(); });
    constant(QStringLiteral("interfaceversion"), [this] { return interfaceVersion(); });
    constant(QStringLiteral("name"), [this] { return deviceName(); });
    constant(QStringLiteral("supportedactions"), [] { return QJsonArray(); });
    addGet(
        QStringLiteral("devicestate"), [this](const AlpacaCall&) { return deviceState(); }, false);
    for (const char* name : {"action", "commandblind", "commandbool", "commandstring"}) {
        members_[QLatin1String(name)] = {true, false, notImplemented};
    }
}

void AlpacaDevice::addGet(const QString& name, Run run, bool needsConnection) {
    members_[name] = {false, needsConnection, std::move(run)};
}
void AlpacaDevice::addPut(const QString& name, Run run, bool needsConnection) {
    members_[name] = {true, needsConnection, std::move(run)};
}

// "connected" is the one member read with GET and written with PUT.
AlpacaOutcome AlpacaDevice::call(const AlpacaCall& call) {
    if (call.member == QLatin1String("connected") && call.put) {
        return setConnected(call);
    }
    const auto it = members_.find(call.member);
    if (it == members_.end()) {
        return AlpacaOutcome::notFound();
    }
    const Member& member = it->second;
    if (member.put != call.put) {
        return AlpacaOutcome::wrongMethod();
    }
    if (member.needsConnection && !connected_) {
        return AlpacaOutcome::error(alpacaerror::notConnected, QStringLiteral("No conectado"));
    }
    return member.run(call);
}

AlpacaOutcome AlpacaDevice::setConnected(const AlpacaCall& call) {
    const std::optional<QString> text = call.param(QStringLiteral("connected"));
    if (!text) {
        return AlpacaOutcome::badRequest(QStringLiteral("Falta el parametro Connected"));
    }
    const std::optional<bool> on = alpacaBool(*text);
    if (!on) {
        return AlpacaOutcome::badRequest(QStringLiteral("Connected no es True ni False: ") + *text);
    }
    connected_ = *on;
    return AlpacaOutcome::done();
}

// The state members that give a value now; those that cannot are left out.
AlpacaOutcome AlpacaDevice::deviceState() {
    QJsonArray state;
    for (const QString& name : stateMembers_) {
        const AlpacaOutcome outcome = call({false, name.toLower(), {}});
        if (outcome.kind == AlpacaOutcome::Kind::Value) {
            state.append(QJsonObject{{QStringLiteral("Name"), name},
                                     {QStringLiteral("Value"), outcome.value}});
        }
    }
    return AlpacaOutcome::of(state);
}

}  // namespace zaq
