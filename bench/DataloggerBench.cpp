#include <benchmark/benchmark.h>

#include <QByteArray>

#include "BenchPlatform.h"

namespace {

// 120 days of the station's ten-minute dump: 840 blocks of 22 records of 54 characters.
QByteArray dumpOf120Days() {
    QByteArray dump = "(Start Dump)";
    for (int block = 1400; block < 1400 + 840; ++block) {
        dump += "(" + QByteArray::number(block).rightJustified(5, '0') + ")";
        for (int i = 0; i < 22; ++i) {
            dump += "(" + QByteArray::number(i * 24).rightJustified(4, '0') +
                    "1A144112077300C6008F00FA2AFB00001F4000050078279C)";
        }
    }
    return dump + "(End Dump)";
}

// The whole dump through the station line's entry, as the pump hands it over.
void BM_Decode120DayDump(benchmark::State& state) {
    const QByteArray dump = dumpOf120Days();
    for (auto _ : state) {
        zaq::bench::BenchProgram program;
        program.app.messagesForm.CBMensCorto.checked = false;
        for (qsizetype at = 0; at < dump.size(); at += 2200) {
            const QByteArray part = dump.mid(at, 2200);
            program.app.dispatcher.feedStationBytes(part.constData(),
                                                    static_cast<int>(part.size()));
        }
    }
    state.counters["bytes"] = static_cast<double>(dump.size());
}
BENCHMARK(BM_Decode120DayDump)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
