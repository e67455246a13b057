#include "StationSettingsMemory.h"

#include <cctype>
#include <cstdlib>

namespace zaqsim {
namespace {

constexpr char kEnye = '\xD1';
constexpr char kEnyeLower = '\xF1';
// The magnitude gain shares the letter 'I'; it is kept under a letter no command uses.
constexpr char kSkyGain = 'g';
constexpr char kSupplyOffset = 'f';
constexpr char kSkyOffset = 'i';

QByteArray threeDigits(int v) {
    return QByteArray::number(std::abs(v))
        .rightJustified(v < 0 ? 2 : 3, '0')
        .prepend(v < 0 ? "-" : "");
}

QByteArray signedDigits(int v) {
    return (v < 0 ? "-" : "+") + QByteArray::number(std::abs(v)).rightJustified(2, '0');
}

}  // namespace

StationSettingsMemory::StationSettingsMemory(int pcWaitSeconds, bool wmr968)
    : values_{{'L', 30},
              {'N', 90},
              {'I', 0},
              {'W', 80},
              {'O', 50},
              {'V', 0},
              {'T', pcWaitSeconds},
              {'F', 105},
              {'C', 0},
              {'P', 124},
              {'B', -6},
              {'M', 620},
              {'U', 13},
              {'A', 36},
              {'Z', 0},
              {kEnye, wmr968 ? 1 : 0},
              {'E', 10},
              {'G', 100},
              {'R', 10},
              {'J', 100},
              {kSupplyOffset, 0},
              {kSkyOffset, 0},
              {kSkyGain, 100}} {}

QByteArray StationSettingsMemory::echo(char letter) const {
    switch (letter) {
        case kSupplyOffset:
            return "(F" + signedDigits(values_.at(letter)) + ")";
        case kSkyOffset:
            return "(I" + signedDigits(values_.at(letter)) + ")";
        case kSkyGain:
            return "(I" + QByteArray::number(values_.at(letter)).rightJustified(5, '0') + ")";
        case 'M':
            return altitudeFiveDigits_
                       ? "(M" + QByteArray::number(values_.at('M')).rightJustified(5, '0') + ")"
                       : "(M" + threeDigits(values_.at('M') / 10) + ")";
        default:
            return QByteArray("(") + letter + threeDigits(values_.at(letter)) + ")";
    }
}

std::optional<QByteArray> StationSettingsMemory::handle(const QByteArray& command,
                                                        const QDateTime& now) {
    // Read requests: "(l)", and "(ñ)" for the WMR968 option.
    if (command.size() == 3) {
        const char c = command[1];
        const bool request = c == kEnyeLower || std::islower(static_cast<unsigned char>(c));
        const char letter = c == kEnyeLower
                                ? kEnye
                                : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (!request || !values_.contains(letter)) {
            return std::nullopt;
        }
        if (letter == 'F') {
            return echo('F') + echo(kSupplyOffset);
        }
        if (letter == 'I') {
            return echo('I') + echo(kSkyOffset);
        }
        return echo(letter);
    }
    if (command.size() == 15 && command.startsWith("(Y")) {
        const QDateTime set = QDateTime::fromString(QString::fromLatin1(command.mid(2, 12)),
                                                    QStringLiteral("ddMMyyHHmmss"))
                                  .addYears(100);
        if (set.isValid()) {
            clockOffsetSeconds_ = now.secsTo(set);
        }
        return QByteArray();
    }
    const char letter = command.size() >= 6 ? command[1] : '\0';
    const bool setting = letter == kEnye || std::isupper(static_cast<unsigned char>(letter));
    if (!setting || !values_.contains(letter)) {
        return std::nullopt;
    }
    const QByteArray digits = command.mid(2, command.size() - 3);
    bool ok = false;
    const int value = digits.toInt(&ok);
    if (!ok) {
        return std::nullopt;
    }
    const bool sign = digits.startsWith('+') || digits.startsWith('-');
    char key = letter;
    if (letter == 'F' && sign) {
        key = kSupplyOffset;
    } else if (letter == 'I' && sign) {
        key = kSkyOffset;
    } else if (letter == 'I' && command.size() == 8) {
        key = kSkyGain;
    } else if (letter == 'M') {
        altitudeFiveDigits_ = command.size() == 8;
    }
    values_[key] = letter == 'M' && !altitudeFiveDigits_ ? value * 10 : value;
    return echo(key);
}

std::optional<QByteArray> StationSettingsMemory::passedLimit(const StationReading& r) const {
    const auto text = [](char letter, int value) {
        return QByteArray("(") + letter + threeDigits(value).right(3) + ")";
    };
    const auto above = [&](char limit, int value) {
        return values_.at(limit) > 0 && value > values_.at(limit);
    };
    if (above('L', r.rainSensorX10 / 10)) {
        return text('l', r.rainSensorX10 / 10);
    }
    if (above('N', r.cloudX10 / 10)) {
        return text('n', r.cloudX10 / 10);
    }
    if (above('W', r.windX10 / 10)) {
        return text('w', r.windX10 / 10);
    }
    if (above('O', r.windMeanKmh)) {
        return text('o', r.windMeanKmh);
    }
    if (values_.at('F') > 0 && r.supplyTenths < values_.at('F')) {
        return text('f', r.supplyTenths);
    }
    return std::nullopt;
}

}  // namespace zaqsim
