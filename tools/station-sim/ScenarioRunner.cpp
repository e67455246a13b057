#include "ScenarioRunner.h"

#include "SimulatedStation.h"
#include "WeatherModel.h"

namespace zaqsim {

bool ScenarioRunner::runDue(const QDateTime& now) {
    while (next_ < steps_.size() && start_.msecsTo(now) >= steps_[next_].atMs) {
        const Scenario::Step& step = steps_[next_++];
        note_(QStringLiteral("scenario line %1").arg(step.line));
        if (!run(step, now)) {
            return false;
        }
    }
    return true;
}

bool ScenarioRunner::run(const Scenario::Step& step, const QDateTime& now) {
    using Kind = Scenario::Kind;
    switch (step.kind) {
        case Kind::Set:
            model_.set(step.quantity, step.value);
            break;
        case Kind::Ramp:
            model_.ramp(step.quantity, step.value, now, now.addMSecs(step.durationMs));
            break;
        case Kind::Release:
            model_.release(step.quantity);
            break;
        case Kind::Silent:
            station_.fallSilentUntil(now.addMSecs(step.durationMs));
            break;
        case Kind::Noise: {
            QByteArray bytes;
            for (int i = 0; i < static_cast<int>(step.value); ++i) {
                bytes += static_cast<char>(noise_() & 0xFF);
            }
            station_.sendRaw(bytes, now);
            break;
        }
        case Kind::Send:
            station_.sendRaw(step.text, now);
            break;
        case Kind::Roof:
            station_.setRoof(step.text.at(0));
            break;
        case Kind::Thermometer:
            station_.setThermometer(step.value != 0);
            break;
        case Kind::Command:
            station_.handleCommand(step.text, now);
            break;
        case Kind::Loop:
            start_ = now;
            next_ = 0;
            break;
        case Kind::End:
            return false;
    }
    return true;
}

}  // namespace zaqsim
