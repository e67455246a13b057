#pragma once

#include <QByteArray>

namespace zaq {

struct BlockRecord;

// Calls from the station's messages into the modules that act on them. Each does nothing until
// the module that owns it is wired.

// What a live data message leads to after its conversion.
class LiveFollowUp {
  public:
    virtual ~LiveFollowUp() = default;
    // The first live message after start shows the pressures at once.
    virtual void showSeaPressure() {}
    virtual void showAbsolutePressure() {}
    virtual void refreshLivePanel() {}
    virtual void evaluateSafety() {}
    virtual void writeFiveSecondLine() {}
    // Runs when the minute flag is up; lowers it.
    virtual void runPeriodicProcessing() {}
    virtual void saveGraphFile() {}
    // The day-closing rain record, written when the station starts a new rain day.
    virtual void writeRainSummary() {}
    // Rain total at the start of the month, kept with the month's records.
    virtual float monthStartRainTotalMm() const { return 0; }
};

// The 24-hour graph store, refilled from the station's stored blocks.
class GraphFeed {
  public:
    virtual ~GraphFeed() = default;
    virtual void refillFromDayRecord(int block, const BlockRecord& record, int refMinuteOfDay) {
        (void)block;
        (void)record;
        (void)refMinuteOfDay;
    }
    virtual void redrawGraphs() {}
    virtual void activateThermalCloudSeries() {}
};

// The station's daily maxima and minima ("M1373" and "m1373" messages).
class ExtremesSink {
  public:
    virtual ~ExtremesSink() = default;
    virtual void applyStationExtremes(const char* message) { (void)message; }
};

// The datalogger download's decoder, given every short message while a dump runs.
class DumpDecoder {
  public:
    virtual ~DumpDecoder() = default;
    virtual void handleDumpMessage(const QByteArray& text) { (void)text; }
};

// The Weather Display feed's tap on the received bytes.
class WdCaptureTap {
  public:
    virtual ~WdCaptureTap() = default;
    virtual void captureByte(unsigned char byte) { (void)byte; }
};

// What the station link reports to, and asks of, the modules built on it.
class LinkHooks {
  public:
    virtual ~LinkHooks() = default;
    // An automation client is connected (the COM indicator).
    virtual bool automationConnected() const { return false; }
    // The station stopped answering: outside readers must see the unsafe state at once.
    virtual void writeCurrentDataFile() {}
    // The Weather Display feed's check at the end of every pump tick.
    virtual void weatherDisplaySendCheck() {}
};

}  // namespace zaq
