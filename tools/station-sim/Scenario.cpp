#include "Scenario.h"

#include <QRegularExpression>
#include <algorithm>

#include "WeatherModel.h"

namespace zaqsim {

bool Scenario::parseDuration(const QString& text, qint64& ms) {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(?:(\d+)h)?(?:(\d+)m(?!s))?(?:(\d+(?:\.\d+)?)s)?(?:(\d+)ms)?$)"));
    bool plain = false;
    const double seconds = text.toDouble(&plain);
    if (plain && seconds >= 0) {
        ms = static_cast<qint64>(seconds * 1000.0);
        return true;
    }
    const QRegularExpressionMatch m = pattern.match(text);
    if (text.isEmpty() || !m.hasMatch()) {
        return false;
    }
    ms = m.captured(1).toLongLong() * 3'600'000 + m.captured(2).toLongLong() * 60'000 +
         static_cast<qint64>(m.captured(3).toDouble() * 1000.0) + m.captured(4).toLongLong();
    return true;
}

namespace {

bool parseStep(const QStringList& words, const QString& rest, Scenario::Step& step) {
    using Kind = Scenario::Kind;
    const QString& verb = words.value(2);
    bool ok = true;
    if (WeatherModel::isQuantity(verb) && words.size() == 4) {
        step.kind = Kind::Set;
        step.quantity = verb;
        step.value = words[3].toDouble(&ok);
    } else if (verb == "ramp" && words.size() == 7 && words[5] == "over") {
        step.kind = Kind::Ramp;
        step.quantity = words[3];
        step.value = words[4].toDouble(&ok);
        ok = ok && WeatherModel::isQuantity(step.quantity) &&
             Scenario::parseDuration(words[6], step.durationMs);
    } else if (verb == "release" && words.size() == 4) {
        step.kind = Kind::Release;
        step.quantity = words[3];
        ok = WeatherModel::isQuantity(step.quantity);
    } else if (verb == "silent" && words.size() == 4) {
        step.kind = Kind::Silent;
        ok = Scenario::parseDuration(words[3], step.durationMs);
    } else if (verb == "noise" && words.size() == 4) {
        step.kind = Kind::Noise;
        step.value = words[3].toInt(&ok);
        ok = ok && step.value > 0;
    } else if (verb == "send" && !rest.isEmpty()) {
        step.kind = Kind::Send;
        step.text = rest.toLatin1();
    } else if (verb == "roof" && words.size() == 4 &&
               QStringList{"A", "a", "C"}.contains(words[3])) {
        step.kind = Kind::Roof;
        step.text = words[3].toLatin1();
    } else if (verb == "thermometer" && words.size() == 4 &&
               (words[3] == "on" || words[3] == "off")) {
        step.kind = Kind::Thermometer;
        step.value = words[3] == "on" ? 1 : 0;
    } else if (verb == "command" && words.size() == 4 && words[3].startsWith(u'(') &&
               words[3].endsWith(u')')) {
        step.kind = Kind::Command;
        step.text = words[3].toLatin1();
    } else if (verb == "loop" && words.size() == 3) {
        // A loop at the start would run again at once, for ever.
        step.kind = Kind::Loop;
        ok = step.atMs > 0;
    } else if (verb == "end" && words.size() == 3) {
        step.kind = Kind::End;
    } else {
        return false;
    }
    return ok;
}

}  // namespace

bool Scenario::parse(const QString& text, std::vector<Step>& steps, QString& error) {
    steps.clear();
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) {
            continue;
        }
        // The text of a "send" step is everything after the verb, '#' and blanks included.
        const qsizetype sendAt = line.indexOf(QStringLiteral(" send "));
        const QString rest = sendAt >= 0 ? line.mid(sendAt + 6) : QString();
        if (sendAt < 0) {
            line = line.section(u'#', 0, 0).trimmed();
        }
        if (line.isEmpty()) {
            continue;
        }
        const QStringList words = line.split(QRegularExpression(QStringLiteral("\\s+")));
        Step step;
        step.line = i + 1;
        if (words.size() < 3 || words[0] != "at" || !parseDuration(words[1], step.atMs) ||
            !parseStep(words, rest, step)) {
            error = QStringLiteral("line %1: cannot read \"%2\"").arg(i + 1).arg(line);
            steps.clear();
            return false;
        }
        steps.push_back(step);
    }
    std::stable_sort(steps.begin(), steps.end(),
                     [](const Step& a, const Step& b) { return a.atMs < b.atMs; });
    return true;
}

}  // namespace zaqsim
