// Any "zaqgraf.hex" of the right size: loading it, redrawing, the minute's processing and the
// data files written from it must not crash or run into undefined behaviour.
#include <QFile>
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    zaq::fuzz::FuzzProgram program;
    zaq::AppContext& app = program.app;
    QByteArray bytes(zaq::GraphStore::kFileSize, '\0');
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(data[static_cast<std::size_t>(i) % size]);
    }
    {
        QFile file(program.path("zaqgraf.hex"));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
    app.graphStore.initGraphStore();
    app.sums.sampleCount = 1;
    app.periodic.runPeriodicProcessing();
    app.dataTables.writeMonthlyDataLine();
    app.settingsForm.CB1minuto.checked = false;
    app.dataTables.writeMonthlyDataLine();
    return 0;
}
