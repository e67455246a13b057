#include <benchmark/benchmark.h>

#include <QByteArray>

#include "BenchPlatform.h"

namespace {

// What a station line carries in a typical minute: live messages every five seconds, answers
// and echoes, a clock reply, and a little line noise.
QByteArray recordedTraffic() {
    const QByteArray live[] = {
        "(CAs 080 000 10200 09408 1120 0245 078 11003 +138 112 -128 1800 234 2131 180 a0200)",
        "(CAs 000 125 10131 09384 0000 0312 000 21803 -031 874 -052 0000 003 0041 225 a0201)",
        "(AEt 000 030 10128 09381 0012 0312 812 02120 +224 455 +098 0120 012 0098 090 a0202)"};
    QByteArray traffic;
    for (int i = 0; i < 12; ++i) {
        traffic += live[i % 3];
        if (i % 4 == 0) {
            traffic += "(L080)(F115)(I215)";
        }
        if (i % 5 == 0) {
            traffic += "\x07\xFE noise \x01";
        }
    }
    // Texts that the station sends a few times a day and the program logs stay out: the figure
    // is about cutting and converting messages, not about the disk.
    traffic += "(12:34:56)(X001)(57K)";
    return traffic;
}

// A live message's follow-up that does nothing.
struct NoFollowUp : zaq::LiveFollowUp {
    void showSeaPressure() override {}
    void showAbsolutePressure() override {}
    void refreshLivePanel() override {}
    void evaluateSafety() override {}
    void writeFiveSecondLine() override {}
    void runPeriodicProcessing() override {}
    void saveGraphFile() override {}
    void writeRainSummary() override {}
    float monthStartRainTotalMm() const override { return 0; }
};

// With `alone`, the live messages' follow-up (panels, safety, files) is left out: the figure of
// the dispatcher and the conversion by themselves.
void feedTraffic(benchmark::State& state, bool alone) {
    zaq::bench::BenchProgram program;
    zaq::AppContext& app = program.app;
    NoFollowUp nothing;
    zaq::LiveReadings conversionAlone{app.readings, app.sums,         app.flags,
                                      app.clock,    app.settingsForm, nothing};
    zaq::StationDispatcher dispatcherAlone{
        {app.flags, app.sums, app.lastDataMessage, app.messagesForm, app.messages,
         app.shortMessages, conversionAlone, app.blockRefill, app.extremes, app.wdTap}};
    zaq::StationDispatcher& dispatcher = alone ? dispatcherAlone : app.dispatcher;
    // The echoes would write the activity log; keep the figure about the dispatcher itself.
    app.messagesForm.CBMensCorto.checked = false;
    const QByteArray traffic = recordedTraffic();
    for (auto _ : state) {
        dispatcher.feedStationBytes(traffic.constData(), static_cast<int>(traffic.size()));
        if (app.messagesForm.Mhistory.lines.size() > 10000) {
            app.messages.clear();
        }
    }
    state.SetBytesProcessed(state.iterations() * traffic.size());
}

void BM_FeedStationBytes(benchmark::State& state) {
    feedTraffic(state, true);
}
BENCHMARK(BM_FeedStationBytes);

void BM_FeedStationBytesWithLivePanel(benchmark::State& state) {
    feedTraffic(state, false);
}
BENCHMARK(BM_FeedStationBytesWithLivePanel);

}  // namespace
