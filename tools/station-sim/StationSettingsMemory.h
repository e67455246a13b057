#pragma once

#include <QByteArray>
#include <QDateTime>
#include <map>
#include <optional>

#include "StationReading.h"

namespace zaqsim {

// The station's closing limits and calibration constants as its firmware keeps them: the PC's
// setting commands change them, read requests report them, and each accepted value or request is
// answered with its setting echo.
class StationSettingsMemory {
  public:
    explicit StationSettingsMemory(int pcWaitSeconds, bool wmr968);

    // Handles a setting command or read request ("(L040)", "(l)", "(Y070324090503)"); the
    // echoes to send, or nothing when the command is not one of these.
    std::optional<QByteArray> handle(const QByteArray& command, const QDateTime& now);

    // The six-character text naming the first limit the reading passes ("(l080)"), if any.
    std::optional<QByteArray> passedLimit(const StationReading& r) const;

    int pcWaitSeconds() const { return values_.at('T'); }
    bool wmr968() const { return values_.at('\xD1') == 1; }
    // The station's clock, as the PC last set it.
    QDateTime clock(const QDateTime& now) const { return now.addSecs(clockOffsetSeconds_); }

  private:
    QByteArray echo(char letter) const;

    // Keyed by the command letter; 'f'/'i' hold the offsets, 'g' the magnitude gain, as their
    // echoes share the limit's letter.
    std::map<char, int> values_;
    bool altitudeFiveDigits_ = false;
    qint64 clockOffsetSeconds_ = 0;
};

}  // namespace zaqsim
