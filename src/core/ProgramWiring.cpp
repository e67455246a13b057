#include "core/ProgramWiring.h"

#include "control/SunCalculator.h"
#include "control/LivePanel.h"
#include "control/SafetyEvaluation.h"
#include "graphs/ChartModel.h"
#include "graphs/ChartRedraw.h"
#include "graphs/GraphStore.h"
#include "graphs/PeriodicProcessing.h"
#include "records/DataTables.h"
#include "records/RainSummary.h"

namespace zaq {

void ProgramWiring::showSeaPressure() {
    p_.panel.showSeaPressure();
}
void ProgramWiring::showAbsolutePressure() {
    p_.panel.showAbsolutePressure();
}
void ProgramWiring::refreshLivePanel() {
    p_.panel.refreshLivePanel();
}
void ProgramWiring::evaluateSafety() {
    p_.safety.evaluateLiveData();
}
void ProgramWiring::writeFiveSecondLine() {
    p_.tables.writeFiveSecondLine();
}
void ProgramWiring::runPeriodicProcessing() {
    p_.periodic.runPeriodicProcessing();
}
void ProgramWiring::saveGraphFile() {
    p_.store.saveGraphFile();
}
void ProgramWiring::writeRainSummary() {
    p_.rainSummary.writeRainSummary();
}

void ProgramWiring::refillFromDayRecord(int block, const BlockRecord& record, int refMinuteOfDay) {
    p_.store.refillFromDayRecord(block, record, refMinuteOfDay);
}

void ProgramWiring::redrawGraphs() {
    zaq::redrawGraphs(p_.store, p_.model);
}
void ProgramWiring::activateThermalCloudSeries() {
    p_.model.thermalCloud().active = true;
}
void ProgramWiring::writeCurrentDataFile() {
    p_.tables.writeCurrentDataFile();
}
void ProgramWiring::initGraphStore() {
    p_.store.initGraphStore();
}
void ProgramWiring::showSunAltitude() {
    p_.sun.showSunAltitude();
}
void ProgramWiring::writeMonthlyDataLine() {
    p_.tables.writeMonthlyDataLine();
}

}  // namespace zaq
