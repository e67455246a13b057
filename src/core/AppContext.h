#pragma once

#include <QString>

#include "core/Clock.h"
#include "core/MainForm.h"
#include "records/ActivityLog.h"
#include "settings/MessagesForm.h"
#include "settings/MessagesList.h"
#include "settings/SettingsForm.h"
#include "station/BlockRecord.h"
#include "station/BlockRefill.h"
#include "station/CurrentReadings.h"
#include "station/LastDataMessage.h"
#include "station/LiveReadings.h"
#include "station/ReadingSums.h"
#include "station/SettingEchoes.h"
#include "station/ShortMessageHandler.h"
#include "station/StationDispatcher.h"
#include "station/StationFlags.h"
#include "station/StationHooks.h"

namespace zaq {

// Stand-ins for the station's follow-up calls; tests record them here. Empty: the program's own.
struct StationHookOverrides {
    LiveFollowUp* liveFollowUp = nullptr;
    GraphFeed* graphFeed = nullptr;
    ExtremesSink* extremes = nullptr;
    DumpDecoder* dumpDecoder = nullptr;
    WdCaptureTap* wdTap = nullptr;
};

// The program's state for the whole run, owned by the program entry and handed by reference to
// the parts that need it. Members are built in the order they depend on each other.
struct AppContext {
    explicit AppContext(const Clock& c, StationHookOverrides o = {}) : clock(c), overrides(o) {}
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    const Clock& clock;
    const StationHookOverrides overrides;

    MainForm mainForm;
    SettingsForm settingsForm;
    MessagesForm messagesForm;
    MessagesList messages{messagesForm};

    QString graphsDirectory = QStringLiteral("./");
    ActivityLog activityLog{clock, messages, settingsForm, graphsDirectory};

    StationFlags flags;
    CurrentReadings readings;
    ReadingSums sums;
    BlockRecord blockRecord;
    LastDataMessage lastDataMessage;

    LiveFollowUp ownLiveFollowUp;
    GraphFeed ownGraphFeed;
    ExtremesSink ownExtremes;
    DumpDecoder ownDumpDecoder;
    WdCaptureTap ownWdTap;
    LiveFollowUp& liveFollowUp = pick(overrides.liveFollowUp, ownLiveFollowUp);
    GraphFeed& graphFeed = pick(overrides.graphFeed, ownGraphFeed);
    ExtremesSink& extremes = pick(overrides.extremes, ownExtremes);
    DumpDecoder& dumpDecoder = pick(overrides.dumpDecoder, ownDumpDecoder);
    WdCaptureTap& wdTap = pick(overrides.wdTap, ownWdTap);

    LiveReadings liveReadings{readings, sums, flags, clock, settingsForm, liveFollowUp};
    BlockRefill blockRefill{blockRecord, clock, messages, graphFeed};
    SettingEchoes settingEchoes{settingsForm, mainForm, flags, activityLog};
    ShortMessageHandler shortMessages{{mainForm, settingsForm, messagesForm, messages, activityLog,
                                       flags, readings, graphFeed, dumpDecoder, settingEchoes,
                                       clock}};
    StationDispatcher dispatcher{{flags, sums, lastDataMessage, messagesForm, messages,
                                  shortMessages, liveReadings, blockRefill, extremes, wdTap}};

  private:
    template <typename Hook>
    static Hook& pick(Hook* override, Hook& own) {
        return override != nullptr ? *override : own;
    }
};

}  // namespace zaq
