#pragma once

#include <QString>

#include "automation/WeatherService.h"
#include "base/ActivityLog.h"
#include "base/Clock.h"
#include "base/Configuration.h"
#include "base/CurrentReadings.h"
#include "base/GraphsForm.h"
#include "base/MainForm.h"
#include "base/MessagesForm.h"
#include "base/MessagesList.h"
#include "base/ReadingSums.h"
#include "base/SafetyState.h"
#include "base/SettingsForm.h"
#include "base/StationFlags.h"
#include "base/SummaryForm.h"
#include "base/SystemShutdown.h"
#include "cameras/HttpClient.h"
#include "cameras/ImageOverlay.h"
#include "cameras/IpVideoCapture.h"
#include "cameras/SingleBoardCapture.h"
#include "control/BatteryWatch.h"
#include "control/LivePanel.h"
#include "control/RoofControl.h"
#include "control/SafetyEvaluation.h"
#include "control/SunCalculator.h"
#include "core/AcousticAlarms.h"
#include "core/MainActions.h"
#include "core/MainTimers.h"
#include "core/ProgramHooks.h"
#include "core/ProgramWiring.h"
#include "core/SoundPlayer.h"
#include "core/StartupSequence.h"
#include "core/SummaryActions.h"
#include "graphs/ChartModel.h"
#include "graphs/ChartPictures.h"
#include "graphs/GraphStore.h"
#include "graphs/GraphsActions.h"
#include "graphs/PeriodicProcessing.h"
#include "records/Banner.h"
#include "records/ChartImages.h"
#include "records/ClarityFile.h"
#include "records/DataSources.h"
#include "records/DataTables.h"
#include "records/EasyWeatherFile.h"
#include "records/ExtremesFile.h"
#include "records/MonthYearExtremes.h"
#include "records/RainSummary.h"
#include "records/WebTemplates.h"
#include "settings/ConfigFile.h"
#include "settings/ConfigImage.h"
#include "settings/DataLogDecoder.h"
#include "settings/Datalogger.h"
#include "settings/MessagesActions.h"
#include "settings/PcSettings.h"
#include "settings/StationSettings.h"
#include "station/BlockRecord.h"
#include "station/BlockRefill.h"
#include "station/ClientSocketZAQ.h"
#include "station/CommandQueue.h"
#include "station/DailyExtremes.h"
#include "station/LastDataMessage.h"
#include "station/LiveReadings.h"
#include "station/Pinger.h"
#include "station/SerialLink.h"
#include "station/SettingEchoes.h"
#include "station/ShortMessageHandler.h"
#include "station/StationDispatcher.h"
#include "station/StationExtremes.h"
#include "station/StationHooks.h"
#include "station/StationLink.h"
#include "station/WeatherDisplayFeed.h"
#include "ui/Prompter.h"

namespace zaq {

// What the program asks of the machine: these are replaced in tests.
struct Platform {
    const Clock& clock;
    Prompter& prompter;
    Pinger& pinger;
    SoundPlayer& sound;
    ChartPictures& chartPictures;
    SystemShutdown& shutdown;
    HttpClient& http;
};

struct ProgramOptions {
    // The current directory at start, with "/" appended.
    QString programDirectory = QStringLiteral("./");
    // Replaces /dev/ttyS(n−1) for any port number n ≥ 1.
    QString serialDevice;
    quint16 wdPort = 5557;
};

// The program's state for the whole run, owned by the program entry and handed by reference to
// the modules that need it. Members are built in the order they depend on each other.
struct AppContext {
    explicit AppContext(const Platform& platform, ProgramOptions programOptions = {})
        : clock(platform.clock),
          prompter(platform.prompter),
          pinger(platform.pinger),
          sound(platform.sound),
          chartPictures(platform.chartPictures),
          shutdown(platform.shutdown),
          http(platform.http),
          options(std::move(programOptions)) {}
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    const Clock& clock;
    Prompter& prompter;
    Pinger& pinger;
    SoundPlayer& sound;
    ChartPictures& chartPictures;
    SystemShutdown& shutdown;
    HttpClient& http;
    const ProgramOptions options;
    ProgramWiring wiring{*this};

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
    WeatherDisplayFeed wdFeed{{mainForm, settingsForm, messages, clock, options.wdPort}};

    StationFlags flags;
    SafetyState safety;
    CurrentReadings readings;
    ReadingSums sums;
    BlockRecord blockRecord;
    StationExtremes stationExtremes;
    LastDataMessage lastDataMessage;

    CommandQueue queue{messages};
    LivePanel livePanel{mainForm, readings, safety, flags};
    RoofControl roof{{mainForm, settingsForm, safety, queue, prompter}};
    BatteryWatch batteryWatch{{settingsForm, readings, flags, messages, activityLog, clock,
                               shutdown, [this] { wiring.writeRainSummary(); }}};
    SafetyEvaluation safetyEvaluation{
        {readings, config.limits, safety, mainForm, batteryWatch, roof}};

    SunCalculator sun{{settingsForm, messagesForm, mainForm, config, clock, prompter}};
    GraphStore graphStore{
        options.programDirectory + QStringLiteral("zaqgraf.hex"), clock, messages,
        [this](const QDateTime& t) { return wiring.expectedClearSkyRadiation(t); }};
    ChartModel chartModel;
    PeriodicProcessing periodic{
        {sums, readings, flags, graphStore, chartModel, mainForm, clock,
         [this](const QDateTime& t) { return wiring.expectedClearSkyRadiation(t); },
         [this] { wiring.writePeriodicFiles(); }}};
    DataSources dataSources{config,   readings,     graphStore, safety, periodic,
                            mainForm, settingsForm, messages,   clock};
    DataTables dataTables{dataSources};
    EasyWeatherFile easyWeather{dataSources};
    ClarityFile clarity{dataSources};
    RainSummary rainSummary{dataSources};
    MonthYearExtremes monthYearExtremes;
    WebTemplates webTemplates{{readings, stationExtremes, monthYearExtremes, graphStore, config,
                               chartModel, messages, clock, options.programDirectory}};
    ExtremesFile extremesFile{{stationExtremes, monthYearExtremes, readings, config, messages,
                               clock, options.programDirectory + QStringLiteral("extremas.txt"),
                               [this] { wiring.writeWebTemplates(); }}};
    Banner banner{{mainForm, settingsForm, config, readings, graphStore, messages, prompter, clock,
                   options.programDirectory}};
    ChartImages chartImages{{chartModel, chartPictures, config, sums, prompter}};
    ImageOverlay overlay{{mainForm, settingsForm, config, readings, banner, messages, prompter,
                          clock, options.programDirectory}};
    SingleBoardCapture singleBoard{{settingsForm, config, http, messages, overlay}};
    IpVideoCapture ipVideo{{settingsForm, config, http, messages, overlay}};
    // Where every hook lands.
    LiveFollowUp& liveFollowUp = wiring;
    GraphFeed& graphFeed = wiring;
    ExtremesSink& extremes = wiring;
    DumpDecoder& dumpDecoder = wiring;
    WdCaptureTap& wdTap = wiring;
    LinkHooks& linkHooks = wiring;
    TimerDuties& timerDuties = wiring;

    DailyExtremes dailyExtremes{stationExtremes, mainForm};
    LiveReadings liveReadings{readings, sums, flags, clock, settingsForm, liveFollowUp};
    BlockRefill blockRefill{blockRecord, clock, messages, graphFeed};
    SettingEchoes settingEchoes{settingsForm, mainForm, flags, activityLog};
    ShortMessageHandler shortMessages{{mainForm, settingsForm, messagesForm, messages, activityLog,
                                       flags, readings, graphFeed, dumpDecoder, settingEchoes,
                                       clock}};
    StationDispatcher dispatcher{{flags, sums, lastDataMessage, messagesForm, messages,
                                  shortMessages, liveReadings, blockRefill, extremes, wdTap}};

    SerialLink serial{config.serialPort, options.serialDevice};
    ClientSocketZAQ client{messages, flags,
                           [this](const QByteArray& bytes) { wiring.feedStationBytes(bytes); }};
    StationLink link{{queue, serial, client, dispatcher, flags, safety, mainForm, settingsForm,
                      config, pinger, messages, activityLog, clock, linkHooks}};

    DataLogDecoder dataLogDecoder{config, messages};
    Datalogger datalogger{
        {messagesForm, messages, settingsForm, config, queue, serial, flags, prompter, clock}};
    GraphsActions graphsActions{{graphsForm, chartModel, graphStore, queue, settingsForm, config,
                                 messages, prompter, chartPictures, clock,
                                 options.programDirectory}};
    PcSettings pcSettings{{settingsForm, graphsForm, configImage, config, configFile, prompter,
                           flags, [this](int item) { wiring.selectSkyRange(item); }}};
    StationSettings stationSettings{{settingsForm, mainForm, configImage, config, configFile, queue,
                                     flags, prompter, pinger, clock}};
    AcousticAlarms alarms{{settingsForm, flags, safety, sound, activityLog, safetyEvaluation, clock,
                           options.programDirectory}};
    StartupSequence startup{{flags, config, settingsForm, mainForm, queue, link, serial, client,
                             messages, activityLog, liveFollowUp, clock}};
    MainTimers timers{
        {link, startup, alarms, queue, messages, flags, mainForm, settingsForm, timerDuties, roof}};
    MessagesActions messagesActions{
        {messagesForm, messages, settingsForm, config, queue, prompter, clock}};
    WeatherService weather{{readings, safety, lastDataMessage, mainForm, settingsForm, queue,
                            messages, clock, [this](const QByteArray& b) { wiring.feedStationBytes(b); }}};
    MainActions actions{{mainForm, messagesForm, graphsForm, settingsForm, summaryForm, clock}};
    SummaryActions summaryActions{{summaryForm, mainForm, readings, banner}};
};

}  // namespace zaq
