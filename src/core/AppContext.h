#pragma once

#include <QString>
#include <type_traits>

#include "control/SunCalculator.h"
#include "control/BatteryWatch.h"
#include "control/LivePanel.h"
#include "control/RoofControl.h"
#include "control/SafetyEvaluation.h"
#include "base/SafetyState.h"
#include "core/AcousticAlarms.h"
#include "base/Clock.h"
#include "core/MainActions.h"
#include "base/MainForm.h"
#include "core/MainTimers.h"
#include "core/ProgramHooks.h"
#include "core/ProgramWiring.h"
#include "core/SoundPlayer.h"
#include "core/StartupSequence.h"
#include "graphs/ChartModel.h"
#include "graphs/ChartPictures.h"
#include "graphs/GraphStore.h"
#include "graphs/GraphsActions.h"
#include "base/GraphsForm.h"
#include "graphs/PeriodicProcessing.h"
#include "base/ActivityLog.h"
#include "records/ClarityFile.h"
#include "records/DataSources.h"
#include "records/DataTables.h"
#include "records/EasyWeatherFile.h"
#include "records/RainSummary.h"
#include "settings/ConfigFile.h"
#include "settings/ConfigImage.h"
#include "base/Configuration.h"
#include "settings/MessagesActions.h"
#include "base/MessagesForm.h"
#include "base/MessagesList.h"
#include "settings/PcSettings.h"
#include "base/SettingsForm.h"
#include "station/BlockRecord.h"
#include "station/BlockRefill.h"
#include "station/ClientSocketZAQ.h"
#include "station/CommandQueue.h"
#include "base/CurrentReadings.h"
#include "station/LastDataMessage.h"
#include "station/LiveReadings.h"
#include "station/Pinger.h"
#include "base/ReadingSums.h"
#include "station/SerialLink.h"
#include "station/SettingEchoes.h"
#include "station/ShortMessageHandler.h"
#include "station/StationDispatcher.h"
#include "base/StationFlags.h"
#include "station/StationHooks.h"
#include "station/StationLink.h"
#include "ui/Prompter.h"
#include "base/SummaryForm.h"

namespace zaq {

// What the program asks of the machine: these are replaced in tests.
struct Platform {
    const Clock& clock;
    Prompter& prompter;
    Pinger& pinger;
    SoundPlayer& sound;
    ChartPictures& chartPictures;
};

struct ProgramOptions {
    // The current directory at start, with "/" appended.
    QString programDirectory = QStringLiteral("./");
    // Replaces /dev/ttyS(n−1) for any port number n ≥ 1.
    QString serialDevice;
};

// Stand-ins for the follow-up calls; tests record them here. Empty: the
// program's own.
struct StationHookOverrides {
    LiveFollowUp* liveFollowUp = nullptr;
    GraphFeed* graphFeed = nullptr;
    ExtremesSink* extremes = nullptr;
    DumpDecoder* dumpDecoder = nullptr;
    WdCaptureTap* wdTap = nullptr;
    LinkHooks* linkHooks = nullptr;
    TimerDuties* timerDuties = nullptr;
};

// The program's state for the whole run, owned by the program entry and handed by reference to
// the modules that need it. Members are built in the order they depend on each other.
struct AppContext {
    AppContext(const Platform& platform, ProgramOptions programOptions = {},
               StationHookOverrides hookOverrides = {})
        : clock(platform.clock),
          prompter(platform.prompter),
          pinger(platform.pinger),
          sound(platform.sound),
          chartPictures(platform.chartPictures),
          options(std::move(programOptions)),
          overrides(hookOverrides) {}
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    const Clock& clock;
    Prompter& prompter;
    Pinger& pinger;
    SoundPlayer& sound;
    ChartPictures& chartPictures;
    const ProgramOptions options;
    const StationHookOverrides overrides;

    // The windows as data, in their order of creation.
    MainForm mainForm;
    MessagesForm messagesForm;
    GraphsForm graphsForm;
    SettingsForm settingsForm;
    SummaryForm summaryForm;
    MessagesList messages{messagesForm};

    ConfigImage configImage;
    Configuration config;
    ConfigFile configFile{options.programDirectory + QStringLiteral("zaq.cfg"), configImage,
                          config};
    ActivityLog activityLog{clock, messages, settingsForm, config.graphsDirectory};

    StationFlags flags;
    SafetyState safety;
    CurrentReadings readings;
    ReadingSums sums;
    BlockRecord blockRecord;
    LastDataMessage lastDataMessage;

    CommandQueue queue{messages};
    BatteryWatch batteryWatch;
    LivePanel livePanel{mainForm, readings, safety, flags};
    RoofControl roof{{mainForm, settingsForm, safety, queue, prompter}};
    SafetyEvaluation safetyEvaluation{
        {readings, config.limits, safety, mainForm, batteryWatch, roof}};

    SunCalculator sun{{settingsForm, messagesForm, mainForm, config, clock, prompter}};
    GraphStore graphStore{options.programDirectory + QStringLiteral("zaqgraf.hex"), clock, messages,
                          [this](const QDateTime& t) { return sun.expectedClearSkyRadiation(t); }};
    ChartModel chartModel;
    PeriodicProcessing periodic{
        {sums, readings, flags, graphStore, chartModel, mainForm, clock,
         [this](const QDateTime& t) { return sun.expectedClearSkyRadiation(t); },
         [this] { writePeriodicFiles(); }}};
    DataSources dataSources{config,   readings,     graphStore, safety, periodic,
                            mainForm, settingsForm, messages,   clock};
    DataTables dataTables{dataSources};
    EasyWeatherFile easyWeather{dataSources};
    ClarityFile clarity{dataSources};
    RainSummary rainSummary{dataSources};
    ProgramWiring wiring{{livePanel, safetyEvaluation, periodic, graphStore, chartModel, sun,
                          dataTables, rainSummary}};

    ExtremesSink ownExtremes;
    DumpDecoder ownDumpDecoder;
    WdCaptureTap ownWdTap;
    LiveFollowUp& liveFollowUp = pick<LiveFollowUp>(overrides.liveFollowUp, wiring);
    GraphFeed& graphFeed = pick<GraphFeed>(overrides.graphFeed, wiring);
    ExtremesSink& extremes = pick(overrides.extremes, ownExtremes);
    DumpDecoder& dumpDecoder = pick(overrides.dumpDecoder, ownDumpDecoder);
    WdCaptureTap& wdTap = pick(overrides.wdTap, ownWdTap);
    LinkHooks& linkHooks = pick<LinkHooks>(overrides.linkHooks, wiring);
    TimerDuties& timerDuties = pick<TimerDuties>(overrides.timerDuties, wiring);

    LiveReadings liveReadings{readings, sums, flags, clock, settingsForm, liveFollowUp};
    BlockRefill blockRefill{blockRecord, clock, messages, graphFeed};
    SettingEchoes settingEchoes{settingsForm, mainForm, flags, activityLog};
    ShortMessageHandler shortMessages{{mainForm, settingsForm, messagesForm, messages, activityLog,
                                       flags, readings, graphFeed, dumpDecoder, settingEchoes,
                                       clock}};
    StationDispatcher dispatcher{{flags, sums, lastDataMessage, messagesForm, messages,
                                  shortMessages, liveReadings, blockRefill, extremes, wdTap}};

    SerialLink serial{config.serialPort, options.serialDevice};
    ClientSocketZAQ client{messages, [this](const QByteArray& bytes) {
                               dispatcher.feedStationBytes(bytes.constData(),
                                                           static_cast<int>(bytes.size()));
                           }};
    StationLink link{{queue, serial, client, dispatcher, flags, safety, mainForm, settingsForm,
                      config, pinger, messages, activityLog, clock, linkHooks}};

    GraphsActions graphsActions{{graphsForm, chartModel, graphStore, queue, settingsForm, config,
                                 messages, prompter, chartPictures, clock,
                                 options.programDirectory}};
    PcSettings pcSettings{{settingsForm, graphsForm, configImage, config, configFile, prompter,
                           flags, [this](int item) { graphsActions.RGCieloClick(item); }}};
    AcousticAlarms alarms{{settingsForm, flags, safety, sound, activityLog, safetyEvaluation, clock,
                           options.programDirectory}};
    StartupSequence startup{{flags, config, settingsForm, mainForm, queue, link, serial, client,
                             messages, activityLog, liveFollowUp, clock}};
    MainTimers timers{
        {link, startup, alarms, queue, messages, flags, mainForm, settingsForm, timerDuties, roof}};
    MessagesActions messagesActions{
        {messagesForm, messages, settingsForm, config, queue, prompter, clock}};
    MainActions actions{{mainForm, messagesForm, graphsForm, settingsForm, summaryForm, clock}};

  private:
    // The files of each periodic processing, in their order.
    void writePeriodicFiles() {
        dataTables.writeCurrentDataFile();
        easyWeather.writeEasyWeatherFile();
        clarity.writeClarityFile();
    }

    template <typename Hook>
    static Hook& pick(Hook* override, std::type_identity_t<Hook>& own) {
        return override != nullptr ? *override : own;
    }
};

}  // namespace zaq
