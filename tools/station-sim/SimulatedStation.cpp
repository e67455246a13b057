#include "SimulatedStation.h"

#include <algorithm>
#include <cmath>

#include "MessageComposer.h"

namespace zaqsim {
namespace {

constexpr double kDewMarginC = 2.0;

int blockOf(const QTime& time) {
    return (time.hour() * 60 + time.minute()) / 5;
}

int tenths(double v) {
    return static_cast<int>(std::lround(v * 10.0));
}

// Field by field, the larger (or smaller) of two readings.
template <typename Pick>
StationReading combine(StationReading a, const StationReading& b, Pick pick) {
    a.supplyTenths = pick(a.supplyTenths, b.supplyTenths);
    a.rainSensorX10 = pick(a.rainSensorX10, b.rainSensorX10);
    a.cloudX10 = pick(a.cloudX10, b.cloudX10);
    a.pressureSeaX10 = pick(a.pressureSeaX10, b.pressureSeaX10);
    a.pressureAbsX10 = pick(a.pressureAbsX10, b.pressureAbsX10);
    a.rainTodayTenths = pick(a.rainTodayTenths, b.rainTodayTenths);
    a.daylight = pick(a.daylight, b.daylight);
    a.temperatureX10 = pick(a.temperatureX10, b.temperatureX10);
    a.humidityX10 = pick(a.humidityX10, b.humidityX10);
    a.dewPointX10 = pick(a.dewPointX10, b.dewPointX10);
    a.thermalWindX10 = pick(a.thermalWindX10, b.thermalWindX10);
    a.windMeanKmh = pick(a.windMeanKmh, b.windMeanKmh);
    a.windX10 = pick(a.windX10, b.windX10);
    // Sky brightness: compare the frequencies, exponent first.
    const long fa = a.skyMantissa * static_cast<long>(std::pow(10, a.skyExponent));
    const long fb = b.skyMantissa * static_cast<long>(std::pow(10, b.skyExponent));
    if (pick(fa, fb) == fb) {
        a.skyExponent = b.skyExponent;
        a.skyMantissa = b.skyMantissa;
    }
    return a;
}

}  // namespace

SimulatedStation::SimulatedStation(WeatherModel& model, Options options, Output output, Note note)
    : model_(model),
      options_(options),
      output_(std::move(output)),
      note_(std::move(note)),
      settings_(options.pcWaitSeconds, options.wmr968),
      rainTotalMm_(options.rainTotalMm) {}

char SimulatedStation::heaterLetter(const Weather& w) const {
    if (!thermometer_) {
        return 'p';
    }
    switch (heater_) {
        case HeaterMode::RelayOn:
            return 'e';
        case HeaterMode::RelayOff:
            return 'a';
        case HeaterMode::Dew:
            break;
    }
    return w.temperatureC - w.dewPointC < kDewMarginC ? 'E' : 'A';
}

StationReading SimulatedStation::encode(const Weather& w, const QDateTime& moment) const {
    StationReading r;
    r.roof = roof_;
    r.heater = heaterLetter(w);
    r.supplyTenths = tenths(w.supplyV);
    r.rainSensorX10 = tenths(w.rainSensorPct);
    r.cloudX10 = tenths(w.cloudPct);
    r.pressureSeaX10 = tenths(w.pressureSeaHpa);
    r.pressureAbsX10 = tenths(w.pressureAbsHpa);
    r.rainTodayTenths = static_cast<int>(rainTodayTenths_);
    r.rainTotalMm = static_cast<int>(rainTotalMm_);
    r.daylight = static_cast<int>(std::lround(w.daylight));
    const double hz = 230.0 * 1e6 * std::pow(2.5, -w.skyMagnitude);
    MessageComposer::encodeSkyFrequency(hz, r.skyExponent, r.skyMantissa);
    r.temperatureX10 = tenths(w.temperatureC);
    r.humidityX10 = tenths(w.humidityPct);
    r.dewPointX10 = tenths(w.dewPointC);
    r.thermalWindX10 = tenths(w.thermalWindKmh);
    r.windMeanKmh = static_cast<int>(std::lround(w.windMeanKmh));
    r.windX10 = tenths(w.windKmh);
    r.directionDeg = static_cast<int>(std::lround(w.directionDeg)) % 360;
    r.kind = 'a';
    r.block = blockOf(moment.time());
    return MessageComposer::clamped(r);
}

StationReading SimulatedStation::readingAt(const QDateTime& moment) const {
    return encode(model_.at(moment), moment);
}

void SimulatedStation::store(const StationReading& reading) {
    StationReading stored = reading;
    stored.kind = 't';
    memory_[static_cast<std::size_t>(reading.block)] = stored;
    if (!haveExtremes_) {
        dayMax_ = dayMin_ = reading;
        haveExtremes_ = true;
    }
    dayMax_ = combine(dayMax_, reading, [](auto x, auto y) { return std::max(x, y); });
    dayMin_ = combine(dayMin_, reading, [](auto x, auto y) { return std::min(x, y); });
}

void SimulatedStation::start(const QDateTime& now) {
    // The memory holds the last 24 hours: today's blocks up to now, yesterday's after it. The
    // history is the model's own weather, before any scenario step.
    const WeatherModel history = model_.withoutScenario();
    const int current = blockOf(now.time());
    const QDateTime midnight(now.date(), QTime(0, 0));
    for (int block = 0; block < kBlocks; ++block) {
        QDateTime at = midnight.addSecs(block * 300);
        if (block > current) {
            at = at.addDays(-1);
        }
        StationReading r = encode(history.at(at), at);
        r.rainTodayTenths = 0;
        r.block = block;
        if (block <= current) {
            store(r);
        } else {
            r.kind = 't';
            memory_[static_cast<std::size_t>(block)] = r;
        }
    }
    lastPresence_ = now;
    lastRainUpdate_ = now;
    send("(Placa v2)", now);
}

void SimulatedStation::advanceRain(const QDateTime& now, const Weather& w) {
    if (lastRainUpdate_.isValid() && lastRainUpdate_.date() != now.date()) {
        // A new rain day: today's gauge goes into the total, the extremes start again.
        rainTotalMm_ += std::floor(rainTodayTenths_ / 10.0);
        rainTodayTenths_ = 0;
        haveExtremes_ = false;
    }
    const double hours = lastRainUpdate_.isValid() ? lastRainUpdate_.msecsTo(now) / 3'600'000.0 : 0;
    rainTodayTenths_ += std::max(0.0, w.rainRateMmH * hours * 10.0);
    lastRainUpdate_ = now;
}

void SimulatedStation::sendLive(const QDateTime& now) {
    const Weather w = model_.at(now);
    advanceRain(now, w);
    const StationReading reading = encode(w, now);
    store(reading);
    // A dump holds the line: its records must not be cut by a live message.
    if (!pendingDump_.isEmpty()) {
        return;
    }
    send(MessageComposer::dataMessage(reading), now);
    sendWmr968Records(reading, now);
    // The station closes by its own limits, naming the measurement in lower case.
    if (roof_ == 'A') {
        if (const auto passed = settings_.passedLimit(reading)) {
            note_(QStringLiteral("limit passed: closing the roof"));
            closeRoof(now, *passed);
        }
    }
}

// Between the text messages, every other one: a record's capture window on the PC lasts just over
// a second, so each window holds one record group and the texts around it.
void SimulatedStation::sendWmr968Records(const StationReading& reading, const QDateTime& now) {
    if (!settings_.wmr968() || liveCount_++ % 2 != 0) {
        return;
    }
    send(MessageComposer::wmr968Record(reading, recordCount_++), now);
    send(MessageComposer::wmr968Record(reading, recordCount_++), now);
}

void SimulatedStation::checkWatchdog(const QDateTime& now) {
    const bool open = roof_ == 'A' || roof_ == 'a';
    if (open && lastPresence_.secsTo(now) > settings_.pcWaitSeconds()) {
        note_(QStringLiteral("no presence for %1 s: closing the roof")
                  .arg(lastPresence_.secsTo(now)));
        closeRoof(now, "(Cerrado por PC)");
    }
}

void SimulatedStation::send(const QByteArray& text, const QDateTime& now) {
    if (silentUntil_.isValid() && now < silentUntil_) {
        return;
    }
    output_(text);
}

void SimulatedStation::sendRaw(const QByteArray& bytes, const QDateTime& now) {
    send(bytes, now);
}

void SimulatedStation::receive(const QByteArray& bytes, const QDateTime& now) {
    for (const char c : bytes) {
        if (c == '(') {
            inCommand_ = true;
            command_.clear();
        }
        if (!inCommand_) {
            continue;
        }
        command_ += c;
        if (c == ')') {
            inCommand_ = false;
            lastPresence_ = now;
            handleCommand(command_, now);
        } else if (command_.size() > 64) {
            inCommand_ = false;
        }
    }
}

void SimulatedStation::openRoof(char letter, const QDateTime& now) {
    roof_ = letter;
    send("(X001)", now);
    send("(Abrir Obs)", now);
}

void SimulatedStation::closeRoof(const QDateTime& now, const QByteArray& notice) {
    roof_ = 'C';
    send(notice, now);
}

QByteArray SimulatedStation::relayHours() const {
    return "(Son" + timerOn_ + ")(Sof" + timerOff_ + ")";
}

void SimulatedStation::handleCommand(const QByteArray& command, const QDateTime& now) {
    if (command == "( )") {
        return;
    }
    if (command == "(y)") {
        send(MessageComposer::clockText(settings_.clock(now).time()), now);
    } else if (command == "(@01373)") {
        sendExtremes(now);
    } else if (command == "(@t0000)") {
        sendDump(now);
    } else if (command == "(X001)") {
        openRoof('A', now);
    } else if (command == "(X007)") {
        openRoof('a', now);
    } else if (command == "(X000)") {
        send("(X000)", now);
        closeRoof(now, "(Cerrar Obs)");
    } else if (command == "(S000)" || command == "(S004)" || command == "(S005)") {
        heater_ = command == "(S005)"   ? HeaterMode::RelayOn
                  : command == "(S004)" ? HeaterMode::RelayOff
                                        : HeaterMode::Dew;
        send(command, now);
    } else if (command == "(S008)" || command == "(S009)") {
        timerRunning_ = command == "(S009)";
        send(command, now);
    } else if (command == "(s)") {
        send(timerRunning_ ? "(S009)" : "(S008)", now);
        send(relayHours(), now);
    } else if (command.size() == 9 && command.startsWith("(So") &&
               (command[3] == 'n' || command[3] == 'f')) {
        (command[3] == 'n' ? timerOn_ : timerOff_) = command.mid(4, 4);
        send(command, now);
    } else if (const auto echoes = settings_.handle(command, now)) {
        if (!echoes->isEmpty()) {
            send(*echoes, now);
        }
    } else if (command == "(&057)") {
        lineSpeed_ = 57600;
        send("(57K6 bps)", now);
    } else if (command == "(&009)") {
        lineSpeed_ = 9600;
        send("(9K6 bps)", now);
    } else if (command == "(q)") {
        if (!pendingDump_.isEmpty()) {
            pendingDump_.clear();
            send("(End Dump)", now);
        }
    } else if (command.size() == 10 && (command.startsWith("(&M") || command.startsWith("(&m"))) {
        sendDailyExtremes(command[2], command.mid(3, 3).toInt(), command.mid(6, 3).toInt(), now);
    } else if (command.size() == 10 && command.startsWith("(&") && command.mid(2, 7).toInt() > 0) {
        startDump(command.mid(2, 4).toInt(), command.mid(6, 3).toInt(), now);
    } else {
        note_(QStringLiteral("unknown command ignored: ") + QString::fromLatin1(command));
    }
}

QDate SimulatedStation::datalogDay(int dayIndex, const QDate& today) const {
    const int month = (dayIndex - 1) / 31 + 1;
    const int day = (dayIndex - 1) % 31 + 1;
    const QDate date(today.year(), month, day);
    return date.isValid() && date > today ? QDate(today.year() - 1, month, day) : date;
}

std::vector<StationReading> SimulatedStation::datalogReadings(const QDate& day) const {
    const WeatherModel history = model_.withoutScenario();
    std::vector<StationReading> readings;
    for (int i = 0; i < 144; ++i) {
        const QDateTime at(day, QTime(0, 0).addSecs(i * 600));
        readings.push_back(encode(history.at(at), at));
    }
    return readings;
}

// One long line per day: the day's extremes in the data message's layout, then its date.
void SimulatedStation::sendDailyExtremes(char kind, int firstDay, int days, const QDateTime& now) {
    for (int d = firstDay; d < firstDay + days && d <= 372; ++d) {
        const QDate day = datalogDay(d, now.date());
        if (!day.isValid() || day >= now.date()) {
            continue;
        }
        const auto readings = datalogReadings(day);
        StationReading pick = readings.front();
        for (const StationReading& r : readings) {
            pick = kind == 'M' ? combine(pick, r, [](auto x, auto y) { return std::max(x, y); })
                               : combine(pick, r, [](auto x, auto y) { return std::min(x, y); });
        }
        pick.kind = kind;
        pick.block = d;
        QByteArray line = MessageComposer::dataMessage(pick);
        line.chop(1);
        send(line + " " + day.toString(QStringLiteral("dd/MM/yy")).toLatin1() + ")", now);
    }
}

// "Start Dump", then each block's header and its 22 records, then "End Dump", at the line's pace.
void SimulatedStation::startDump(int firstBlock, int blocks, const QDateTime& now) {
    QByteArray dump = "(Start Dump)";
    QDate loaded;
    std::vector<StationReading> readings;
    StationReading dayMax;
    StationReading dayMin;
    for (int block = firstBlock; block < firstBlock + blocks; ++block) {
        const int b = block - 1400;
        const QDate day = datalogDay(b / 7 + 1, now.date());
        if (day != loaded && day.isValid() && day < now.date()) {
            loaded = day;
            readings = datalogReadings(day);
            dayMax = dayMin = readings.front();
            for (const StationReading& r : readings) {
                dayMax = combine(dayMax, r, [](auto x, auto y) { return std::max(x, y); });
                dayMin = combine(dayMin, r, [](auto x, auto y) { return std::min(x, y); });
            }
        }
        dump += "(" + QByteArray::number(block).rightJustified(5, '0') + ")";
        for (int i = 0; i < 22; ++i) {
            const int record = (b % 7) * 22 + i;
            const bool held = day.isValid() && day == loaded;
            // Records 144 and 145 repeat the last reading of the day.
            const StationReading* r =
                !held           ? nullptr
                : record < 146  ? &readings[static_cast<std::size_t>(std::min(record, 143))]
                : record == 147 ? &dayMax
                : record == 148 ? &dayMin
                                : nullptr;
            dump += r != nullptr ? MessageComposer::datalogRecord(*r, i * 24, day.year())
                                 : MessageComposer::erasedDatalogRecord(i * 24);
        }
    }
    pendingDump_ = dump + "(End Dump)";
    pumpDump(now);
}

void SimulatedStation::pumpDump(const QDateTime& now) {
    if (pendingDump_.isEmpty()) {
        return;
    }
    // Ten bits a character, a tenth of a second.
    const qsizetype n = lineSpeed_ / 100;
    send(pendingDump_.left(n), now);
    pendingDump_.remove(0, n);
}

void SimulatedStation::sendExtremes(const QDateTime& now) {
    if (!haveExtremes_) {
        store(readingAt(now));
    }
    StationReading max = dayMax_;
    StationReading min = dayMin_;
    max.kind = 'M';
    min.kind = 'm';
    max.block = min.block = 1373;
    send(MessageComposer::dataMessage(max), now);
    send(MessageComposer::dataMessage(min), now);
}

void SimulatedStation::sendDump(const QDateTime& now) {
    QByteArray all;
    for (const StationReading& block : memory_) {
        all += MessageComposer::dataMessage(block);
    }
    send(all, now);
}

}  // namespace zaqsim
