#pragma once

#include <QByteArray>

namespace zaq {

struct BlockRecord;

// Calls from the station's messages into the modules that act on them. Every one is wired in
// the program's one wiring place; none has a default.

// What a live data message leads to after its conversion.
class LiveFollowUp {
  public:
    virtual ~LiveFollowUp() = default;
    // The first live message after start shows the pressures at once.
    virtual void showSeaPressure() = 0;
    virtual void showAbsolutePressure() = 0;
    virtual void refreshLivePanel() = 0;
    virtual void evaluateSafety() = 0;
    virtual void writeFiveSecondLine() = 0;
    // Runs when the minute flag is up; lowers it.
    virtual void runPeriodicProcessing() = 0;
    virtual void saveGraphFile() = 0;
    // The day-closing rain record, written when the station starts a new rain day.
    virtual void writeRainSummary() = 0;
    // Rain total at the start of the month, kept with the month's records.
    virtual float monthStartRainTotalMm() const = 0;
};

// The 24-hour graph store, refilled from the station's stored blocks.
class GraphFeed {
  public:
    virtual ~GraphFeed() = default;
    virtual void refillFromDayRecord(int block, const BlockRecord& record, int refMinuteOfDay) = 0;
    virtual void redrawGraphs() = 0;
    virtual void activateThermalCloudSeries() = 0;
};

// The station's daily maxima and minima ("M1373" and "m1373" messages).
class ExtremesSink {
  public:
    virtual ~ExtremesSink() = default;
    virtual void applyStationExtremes(const char* message) = 0;
};

// The datalogger download's decoder, given every short message while a dump runs.
class DumpDecoder {
  public:
    virtual ~DumpDecoder() = default;
    virtual void handleDumpMessage(const QByteArray& text) = 0;
};

// The Weather Display feed's tap on the received bytes.
class WdCaptureTap {
  public:
    virtual ~WdCaptureTap() = default;
    virtual void captureByte(unsigned char byte) = 0;
};

// What the station link reports to, and asks of, the modules built on it.
class LinkHooks {
  public:
    virtual ~LinkHooks() = default;
    // An automation client is connected (the COM indicator).
    virtual bool automationConnected() const = 0;
    // The station stopped answering: outside readers must see the unsafe state at once.
    virtual void writeCurrentDataFile() = 0;
    // The Weather Display feed's check at the end of every pump tick.
    virtual void weatherDisplaySendCheck() = 0;
};

}  // namespace zaq
