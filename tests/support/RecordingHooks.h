#pragma once

#include <QByteArray>
#include <string>
#include <vector>

#include "core/ProgramHooks.h"
#include "station/BlockRecord.h"
#include "station/StationHooks.h"

namespace zaq::test {

// Follow-up calls of a live message, recorded in order by name.
struct RecordingFollowUp : LiveFollowUp {
    std::vector<std::string> calls;
    float monthStart = 0;

    void showSeaPressure() override { calls.push_back("showSeaPressure"); }
    void showAbsolutePressure() override { calls.push_back("showAbsolutePressure"); }
    void refreshLivePanel() override { calls.push_back("refreshLivePanel"); }
    void evaluateSafety() override { calls.push_back("evaluateSafety"); }
    void writeFiveSecondLine() override { calls.push_back("writeFiveSecondLine"); }
    void runPeriodicProcessing() override { calls.push_back("runPeriodicProcessing"); }
    void saveGraphFile() override { calls.push_back("saveGraphFile"); }
    void writeRainSummary() override { calls.push_back("writeRainSummary"); }
    float monthStartRainTotalMm() const override { return monthStart; }
};

// Graph store calls: "refill 3", "redraw", "activate"; with a record to watch, the temperature
// each refill found in it.
struct RecordingGraphFeed : GraphFeed {
    std::vector<std::string> calls;
    const BlockRecord* record = nullptr;
    std::vector<int> temperatures;

    void refillFromDayRecord(int block, const BlockRecord&, int) override {
        calls.push_back("refill " + std::to_string(block));
        if (record != nullptr) {
            temperatures.push_back(record->temperatureX10);
        }
    }
    void redrawGraphs() override { calls.push_back("redraw"); }
    void activateThermalCloudSeries() override { calls.push_back("activate"); }
};

struct RecordingExtremes : ExtremesSink {
    std::vector<QByteArray> messages;
    void applyStationExtremes(const char* message) override { messages.emplace_back(message); }
};

struct RecordingDump : DumpDecoder {
    std::vector<QByteArray> texts;
    void handleDumpMessage(const QByteArray& text) override { texts.push_back(text); }
};

struct RecordingWdTap : WdCaptureTap {
    QByteArray bytes;
    void captureByte(unsigned char byte) override { bytes += static_cast<char>(byte); }
};

// The timers' duties, recorded in order by short name.
struct RecordingDuties : TimerDuties {
    std::vector<std::string> calls;
    void initGraphStore() override { calls.push_back("graphStore"); }
    void startWeatherDisplayFeed() override { calls.push_back("wdFeed"); }
    void showSunAltitude() override { calls.push_back("sun"); }
    void updateExtremes() override { calls.push_back("extremes"); }
    void startCameraCycles() override { calls.push_back("cameras"); }
    void writeBanner() override { calls.push_back("banner"); }
    void writeChartImages() override { calls.push_back("charts"); }
    void writeMonthlyDataLine() override { calls.push_back("monthly"); }
    void settleLinkSpeed() override { calls.push_back("speed"); }
    void refreshSummary() override { calls.push_back("summary"); }
};

}  // namespace zaq::test
