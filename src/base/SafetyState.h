#pragma once

namespace zaq {

// The verdict of the last safety evaluation, read by the roof button, the data files and the
// automation object.
struct SafetyState {
    bool openingPermitted = false;
    bool limitsExceeded = false;
    // Seconds since the last roof order, counted up to the end of the hold-off: until then the
    // roof panel is not refreshed from the station and a second order is refused.
    static constexpr int kRoofHoldOffEnd = 10;
    int roofHoldOff = kRoofHoldOffEnd;

    bool roofOrderHeld() const { return roofHoldOff < kRoofHoldOffEnd; }
    void startRoofHoldOff() { roofHoldOff = 0; }
    void countRoofHoldOff() {
        if (roofOrderHeld()) {
            ++roofHoldOff;
        }
    }

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
