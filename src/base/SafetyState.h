#pragma once

namespace zaq {

// The verdict of the last safety evaluation, read by the roof button, the data files and the
// automation object.
struct SafetyState {
    bool openingPermitted = false;
    bool limitsExceeded = false;
    // Below 10 the roof panel is not refreshed from the station: a roof order was just given.
    int roofHoldOff = 10;

    // Set while the station is reported silent or stopped: re-evaluating the last readings must
    // not permit opening until live data arrive again.
    bool unsafeHeld = false;

    // The station stopped answering: nothing may be opened.
    void markUnsafe() {
        openingPermitted = false;
        limitsExceeded = true;
        unsafeHeld = true;
    }
};

}  // namespace zaq
