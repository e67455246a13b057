// Arbitrary bytes from the station line: nothing may crash, overrun or hang.
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

#include "core/AppContext.h"
#include "core/HeadlessPrompter.h"

namespace {

// A clock that stands still, so the run does not depend on the time of day.
class StillClock final : public zaq::Clock {
  public:
    QDateTime now() const override { return QDateTime(QDate(2015, 3, 31), QTime(23, 58)); }
    qint64 tickMs() const override { return 1; }
};

struct NoPinger : zaq::Pinger {
    bool ping(const QString&) override { return false; }
};
struct NoSound : zaq::SoundPlayer {
    void beep(int, int) override {}
    bool play(const QString&) override { return false; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    static StillClock clock;
    static zaq::HeadlessPrompter prompter;
    static NoPinger pinger;
    static NoSound sound;
    zaq::AppContext app({clock, prompter, pinger, sound}, {dir.path() + u'/', {}});
    app.config.graphsDirectory = dir.path() + u'/';
    if (size > 0) {
        // The first byte chooses the filters and the marked fields, so every branch is reachable.
        app.messagesForm.CBMensCorto.checked = data[0] & 1;
        app.messagesForm.CBHistoriaMeteo.checked = data[0] & 2;
        if (data[0] & 4) {
            app.settingsForm.ELimiteLluvia.colour = zaq::colours::yellow;
            app.settingsForm.EOffset_Bar.colour = zaq::colours::yellow;
        }
        app.flags.minuteFlag = data[0] & 8;
        app.settingsForm.CB5sg.checked = data[0] & 16;
    }
    app.dispatcher.feedStationBytes(reinterpret_cast<const char*>(data), static_cast<int>(size));
    return 0;
}
