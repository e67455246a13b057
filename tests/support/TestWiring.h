#pragma once

#include "core/AppContext.h"
#include "support/RecordingHooks.h"

namespace zaq::test {

// The station's message chain built again over a test context's state, its calls going to
// recording doubles instead of the program's wiring. FollowUp may be a recording of the test's
// own making.
template <typename FollowUp = RecordingFollowUp>
struct RecordedStation {
    explicit RecordedStation(AppContext& app)
        : liveReadings{app.readings, app.sums, app.flags, app.clock, app.settingsForm, followUp},
          blockRefill{app.blockRecord, app.clock, app.messages, graphs},
          shortMessages{{app.mainForm, app.settingsForm, app.messagesForm, app.messages,
                         app.activityLog, app.flags, app.readings, graphs, dump, app.settingEchoes,
                         app.clock}},
          dispatcher{{app.flags, app.sums, app.lastDataMessage, app.messagesForm, app.messages,
                      shortMessages, liveReadings, blockRefill, extremes, wd}} {}

    void feed(const QByteArray& bytes) {
        dispatcher.feedStationBytes(bytes.constData(), static_cast<int>(bytes.size()));
    }

    FollowUp followUp;
    RecordingGraphFeed graphs;
    RecordingExtremes extremes;
    RecordingDump dump;
    RecordingWdTap wd;
    LiveReadings liveReadings;
    BlockRefill blockRefill;
    ShortMessageHandler shortMessages;
    StationDispatcher dispatcher;
};

// The start-up sequence and the main timers built again over a test context's state, with the
// periodic processing and the timers' duties recorded.
struct RecordedTimers {
    explicit RecordedTimers(AppContext& app)
        : startup{{app.flags, app.config, app.settingsForm, app.mainForm, app.queue, app.link,
                   app.serial, app.client, app.messages, app.activityLog, followUp, app.clock}},
          timers{{app.link, startup, app.alarms, app.queue, app.messages, app.flags, app.mainForm,
                  app.settingsForm, duties, app.roof}} {}

    RecordingFollowUp followUp;
    RecordingDuties duties;
    StartupSequence startup;
    MainTimers timers;
};

}  // namespace zaq::test
