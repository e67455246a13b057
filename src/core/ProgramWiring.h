#pragma once

#include "core/ProgramHooks.h"
#include "station/StationHooks.h"

namespace zaq {

class ClarityFile;
class CommandQueue;
class DataTables;
class EasyWeatherFile;
class GraphStore;
class LivePanel;
class PeriodicProcessing;
class RainSummary;
class SafetyEvaluation;
class SunCalculator;
struct BlockRecord;
struct ChartModel;

// Where the calls of the station link, the live messages and the timers land in the program.
class ProgramWiring final : public LiveFollowUp,
                            public GraphFeed,
                            public LinkHooks,
                            public TimerDuties {
  public:
    struct Deps {
        LivePanel& panel;
        SafetyEvaluation& safety;
        PeriodicProcessing& periodic;
        GraphStore& store;
        ChartModel& model;
        SunCalculator& sun;
        DataTables& tables;
        RainSummary& rainSummary;
    };

    explicit ProgramWiring(const Deps& deps) : p_(deps) {}

    // A live data message.
    void showSeaPressure() override;
    void showAbsolutePressure() override;
    void refreshLivePanel() override;
    void evaluateSafety() override;
    void writeFiveSecondLine() override;
    void runPeriodicProcessing() override;
    void saveGraphFile() override;
    void writeRainSummary() override;

    // Stored blocks.
    void refillFromDayRecord(int block, const BlockRecord& record, int refMinuteOfDay) override;
    void redrawGraphs() override;
    void activateThermalCloudSeries() override;

    // The station link.
    void writeCurrentDataFile() override;

    // Construction and timers.
    void initGraphStore() override;
    void showSunAltitude() override;
    void writeMonthlyDataLine() override;

  private:
    Deps p_;
};

}  // namespace zaq
