#include "station/BlockRefill.h"

#include "base/Clock.h"
#include "base/MessagesList.h"
#include "station/BlockRecord.h"
#include "station/DataMessageLayout.h"
#include "station/StationHooks.h"
#include "ui/Windows1252.h"

namespace zaq {
namespace {
constexpr int kFirstIgnoredSingleBlock = 289;
constexpr int kBlocksPerRedraw = 5;
}  // namespace

void BlockRefill::setReferenceMinute() {
    const QTime now = clock_.now().time();
    refMinuteOfDay_ = now.hour() * 60 + now.minute();
}

void BlockRefill::refillSingleBlock(const char* message) {
    const int block = readField(message, datafield::block);
    if (block >= kFirstIgnoredSingleBlock) {
        return;
    }
    parseBlockMessage(message, record_);
    setReferenceMinute();
    feed_.refillFromDayRecord(block, record_, refMinuteOfDay_);
    feed_.redrawGraphs();
}

// "…a0125)  11.5 10h25": the message, its supply and the block's start time.
void BlockRefill::listDumpLine(const char* message, int block) {
    messages_.showMessagesWindow();
    const double supply = byteAt(message, datafield::supply) * 0.1;
    const int minutes = block * 5;
    messages_.addMessage(decodeWindows1252(message, kDataMessageLength) +
                         QString::asprintf("  %03.1f %dh%d", supply, minutes / 60, minutes % 60));
}

void BlockRefill::refillDumpBlock(const char* message) {
    const int block = readField(message, datafield::block);
    if (messages_.showDataMessages()) {
        listDumpLine(message, block);
    }
    if (block == 0) {
        setReferenceMinute();
    }
    parseBlockMessage(message, record_);
    if (block > 0 && block != previousBlock_ + 1) {
        // The missing block takes the values of the one that follows it.
        messages_.addMessage(QStringLiteral("Restaurado Bloque ") + QString::number(block));
        feed_.refillFromDayRecord(block - 1, record_, refMinuteOfDay_);
        feed_.refillFromDayRecord(block, record_, refMinuteOfDay_);
    } else {
        feed_.refillFromDayRecord(block, record_, refMinuteOfDay_);
        if (blocksSinceRedraw_ >= kBlocksPerRedraw) {
            feed_.redrawGraphs();
            blocksSinceRedraw_ = 0;
        }
    }
    ++blocksSinceRedraw_;
    previousBlock_ = block;
}

}  // namespace zaq
