#pragma once

#include <QDateTime>
#include <functional>
#include <optional>

#include "core/ProgramHooks.h"
#include "station/StationHooks.h"

namespace zaq {

struct AppContext;
struct BlockRecord;

// The program's one wiring place: every call of the station link, the live messages, the safety
// evaluation and the timers lands here, and here only is it passed on. A feature that is not
// built yet is a named stand-in below, so none can be forgotten silently.
class ProgramWiring final : public LiveFollowUp,
                            public GraphFeed,
                            public ExtremesSink,
                            public DumpDecoder,
                            public WdCaptureTap,
                            public LinkHooks,
                            public TimerDuties {
  public:
    // Only the reference is kept: the calls come once the whole context is built.
    explicit ProgramWiring(AppContext& app) : app_(app) {}

    // The callbacks the modules are built with.
    std::optional<double> expectedClearSkyRadiation(const QDateTime& local);
    void writePeriodicFiles();
    void feedStationBytes(const QByteArray& bytes);
    void selectSkyRange(int item);
    void writeWebTemplates();

    // `zaq --headless`: a status line after each periodic processing, to standard output only.
    void setStatusListener(std::function<void(const QString&)> listener) {
        statusListener_ = std::move(listener);
    }

    // A live data message.
    void showSeaPressure() override;
    void showAbsolutePressure() override;
    void refreshLivePanel() override;
    void evaluateSafety() override;
    void writeFiveSecondLine() override;
    void runPeriodicProcessing() override;
    void saveGraphFile() override;
    void writeRainSummary() override;
    float monthStartRainTotalMm() const override;

    // Stored blocks.
    void refillFromDayRecord(int block, const BlockRecord& record, int refMinuteOfDay) override;
    void redrawGraphs() override;
    void activateThermalCloudSeries() override;

    // The station's daily extremes, the datalogger dump and the Weather Display feed.
    void applyStationExtremes(const char* message) override;
    void handleDumpMessage(const QByteArray& text) override;
    void captureByte(unsigned char byte) override;

    // The station link.
    bool automationConnected() const override;
    void writeCurrentDataFile() override;
    void weatherDisplaySendCheck() override;

    // Construction and timers.
    void initGraphStore() override;
    void startWeatherDisplayFeed() override;
    void showSunAltitude() override;
    void updateExtremes() override;
    void startCameraCycles() override;
    void writeBanner() override;
    void writeChartImages() override;
    void writeMonthlyDataLine() override;
    void settleLinkSpeed() override;
    void refreshSummary() override;

  private:
    AppContext& app_;
    std::function<void(const QString&)> statusListener_;
};

}  // namespace zaq
