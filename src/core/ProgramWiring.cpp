#include "core/ProgramWiring.h"

#include "core/AppContext.h"
#include "core/HeadlessStatus.h"
#include "graphs/ChartRedraw.h"

namespace zaq {

std::optional<double> ProgramWiring::expectedClearSkyRadiation(const QDateTime& local) {
    return app_.sun.expectedClearSkyRadiation(local);
}
// The files of each periodic processing, in their order.
void ProgramWiring::writePeriodicFiles() {
    app_.dataTables.writeCurrentDataFile();
    app_.easyWeather.writeEasyWeatherFile();
    app_.clarity.writeClarityFile();
}
void ProgramWiring::feedStationBytes(const QByteArray& bytes) {
    app_.dispatcher.feedStationBytes(bytes.constData(), static_cast<int>(bytes.size()));
}
void ProgramWiring::selectSkyRange(int item) {
    app_.graphsActions.RGCieloClick(item);
}

void ProgramWiring::showSeaPressure() {
    app_.livePanel.showSeaPressure();
}
void ProgramWiring::showAbsolutePressure() {
    app_.livePanel.showAbsolutePressure();
}
void ProgramWiring::refreshLivePanel() {
    app_.livePanel.refreshLivePanel();
}
void ProgramWiring::evaluateSafety() {
    app_.safetyEvaluation.evaluateLiveData();
}
void ProgramWiring::writeFiveSecondLine() {
    app_.dataTables.writeFiveSecondLine();
}
void ProgramWiring::runPeriodicProcessing() {
    if (app_.periodic.runPeriodicProcessing() && statusListener_) {
        statusListener_(headlessStatusLine(app_.clock.now(), app_.mainForm, app_.safety,
                                           app_.timers.takeWorstPumpLatenessMs()));
    }
}
void ProgramWiring::saveGraphFile() {
    app_.graphStore.saveGraphFile();
}
void ProgramWiring::writeRainSummary() {
    app_.rainSummary.writeRainSummary();
}

void ProgramWiring::refillFromDayRecord(int block, const BlockRecord& record, int refMinuteOfDay) {
    app_.graphStore.refillFromDayRecord(block, record, refMinuteOfDay);
}

void ProgramWiring::redrawGraphs() {
    zaq::redrawGraphs(app_.graphStore, app_.chartModel);
}
void ProgramWiring::activateThermalCloudSeries() {
    app_.chartModel.thermalCloud().active = true;
}
void ProgramWiring::writeWebTemplates() {
    app_.webTemplates.writeMeteoclimaticTemplate();
    app_.webTemplates.writeAwekasTemplate();
}
float ProgramWiring::monthStartRainTotalMm() const {
    return app_.monthYearExtremes.monthStartRainMm;
}
void ProgramWiring::updateExtremes() {
    app_.extremesFile.updateExtremesWhenDue();
}
void ProgramWiring::applyStationExtremes(const char* message) {
    app_.dailyExtremes.applyStationExtremes(message);
}
void ProgramWiring::writeCurrentDataFile() {
    app_.dataTables.writeCurrentDataFile();
}
void ProgramWiring::showSunAltitude() {
    app_.sun.showSunAltitude();
}
void ProgramWiring::initGraphStore() {
    app_.graphStore.initGraphStore();
}
void ProgramWiring::writeMonthlyDataLine() {
    app_.dataTables.writeMonthlyDataLine();
}
void ProgramWiring::handleDumpMessage(const QByteArray& text) {
    app_.dataLogDecoder.handleDumpMessage(text);
}
void ProgramWiring::settleLinkSpeed() {
    app_.datalogger.settleSpeed();
}
void ProgramWiring::refreshSummary() {
    app_.summaryActions.Timer1Timer();
}
bool ProgramWiring::automationConnected() const {
    return app_.weather.automationConnected();
}
void ProgramWiring::writeBanner() {
    app_.banner.writeBanner(QStringLiteral("baner-b.jpg"));
}
void ProgramWiring::writeChartImages() {
    app_.chartImages.writeChartImages();
}
// The single-board cameras first, then the video server.
void ProgramWiring::startCameraCycles() {
    app_.singleBoard.startMinute();
    app_.ipVideo.startMinute();
}
void ProgramWiring::captureByte(unsigned char byte) {
    app_.wdFeed.captureByte(byte);
}
void ProgramWiring::weatherDisplaySendCheck() {
    app_.wdFeed.weatherDisplaySendCheck();
}
void ProgramWiring::startWeatherDisplayFeed() {
    app_.wdFeed.startWeatherDisplayFeed();
}

}  // namespace zaq
