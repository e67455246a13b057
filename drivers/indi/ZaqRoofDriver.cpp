#include "ZaqRoofDriver.h"

#include <memory>

namespace zaq::indi {

static std::unique_ptr<ZaqRoofDriver> driver(new ZaqRoofDriver());

namespace {

constexpr uint32_t kPollMs = 1000;

}  // namespace

ZaqRoofDriver::ZaqRoofDriver() {
    setVersion(1, 0);
    SetDomeCapability(DOME_CAN_PARK | DOME_HAS_SHUTTER);
    setDomeConnection(CONNECTION_NONE);
}

bool ZaqRoofDriver::initProperties() {
    INDI::Dome::initProperties();
    SetParkDataType(PARK_NONE);
    setDefaultPollingPeriod(kPollMs);
    addDebugControl();
    return true;
}

bool ZaqRoofDriver::updateProperties() {
    INDI::Dome::updateProperties();
    if (isConnected()) {
        InitPark();
        showRoof();
        SetTimer(getCurrentPollingPeriod());
    }
    return true;
}

void ZaqRoofDriver::TimerHit() {
    if (!isConnected()) {
        return;
    }
    showRoof();
    SetTimer(getCurrentPollingPeriod());
}

// The roof as the program reports it; a refused order's Alert stays until the roof moves.
void ZaqRoofDriver::showRoof() {
    const ZaqSnapshot snapshot = bus_.read();
    const RoofView roof = roofView(snapshot.reached ? snapshot.roofState : QString());
    switch (roof.shutter) {
        case RoofView::Shutter::Opened:
            setShutterState(SHUTTER_OPENED);
            break;
        case RoofView::Shutter::Closed:
            setShutterState(SHUTTER_CLOSED);
            break;
        case RoofView::Shutter::Moving:
            setShutterState(SHUTTER_MOVING);
            break;
        case RoofView::Shutter::Unknown:
            setShutterState(SHUTTER_UNKNOWN);
            return;
    }
    if (roof.moving) {
        return;
    }
    if (isParked() != roof.parked || ParkSP.s == IPS_BUSY) {
        SetParked(roof.parked);
    }
}

IPState ZaqRoofDriver::order(bool open) {
    const QString refusal = open ? bus_.openRoof() : bus_.closeRoof();
    if (!refusal.isEmpty()) {
        LOGF_ERROR("%s", refusal.toUtf8().constData());
        return IPS_ALERT;
    }
    LOG_INFO(open ? "Orden de apertura enviada a ZAQ." : "Orden de cierre enviada a ZAQ.");
    return IPS_BUSY;
}

IPState ZaqRoofDriver::ControlShutter(ShutterOperation operation) {
    return order(operation == SHUTTER_OPEN);
}
IPState ZaqRoofDriver::Park() {
    return order(false);
}
IPState ZaqRoofDriver::UnPark() {
    return order(true);
}

}  // namespace zaq::indi
