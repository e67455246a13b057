#pragma once

#include <QByteArray>
#include <QTime>

#include "StationReading.h"

namespace zaqsim {

// The station's own texts, written the way its firmware prints them.
class MessageComposer {
  public:
    // The 83-character data message: "(CAs 080 000 10200 … a0200)".
    static QByteArray dataMessage(const StationReading& reading);
    // The clock reply "(hh:mm:ss)".
    static QByteArray clockText(const QTime& time);
    // Keeps every value inside the width and range of its field.
    static StationReading clamped(StationReading reading);
    // One WMR968-compatible binary record ("\xFF\xFF", type, payload, checksum): wind, rain,
    // outdoor thermo-hygro or barometer, chosen by `sequence`.
    static QByteArray wmr968Record(const StationReading& reading, int sequence);
    // A datalogger record of the ten-minute dump: "(" + the byte offset in its block, the year,
    // the readings in hexadecimal, ")" — 54 characters. Erased memory reads all "F".
    static QByteArray datalogRecord(const StationReading& reading, int offset, int year);
    static QByteArray erasedDatalogRecord(int offset);
    // Exponent digit and four-digit mantissa of a sky-sensor frequency in hertz.
    static void encodeSkyFrequency(double hz, int& exponent, int& mantissa);
};

}  // namespace zaqsim
