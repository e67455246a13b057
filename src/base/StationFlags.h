#pragma once

namespace zaq {

// The flags the station's messages raise and lower.
struct StationFlags {
    bool stationSpoke = true;  // lets the pump send one queued command
    bool rxBlink = false;      // a message started: the Rx indicator blinks
    bool dumpInProgress = false;
    bool altitudeFiveDigits = false;  // the station last echoed the altitude with five digits
    int pingFailCount = 0;            // the station's 't' reports, 0…3

    // Alarms sounded by the 4-second timer.
    bool closingAlarm = false;
    bool supplyStopAlarm = false;
    bool supplyStopLogged = false;
    bool noResponseAlarm = false;

    // Raised every minute; the next live message runs the periodic processing.
    bool minuteFlag = false;

    // Lowered by the master's silence rule and by a save of the PC settings: the next 4-second
    // tick runs the start-up sequence again.
    bool startupDone = false;
};

}  // namespace zaq
