#include "station/StationDispatcher.h"

#include <algorithm>
#include <cstring>

#include "base/MessagesForm.h"
#include "base/MessagesList.h"
#include "base/ReadingSums.h"
#include "base/StationFlags.h"
#include "station/BlockRefill.h"
#include "station/DataMessageLayout.h"
#include "station/LastDataMessage.h"
#include "station/LiveReadings.h"
#include "station/ShortMessageHandler.h"
#include "station/StationHooks.h"
#include "ui/Windows1252.h"

namespace zaq {
namespace {

// A message start after this many collected bytes means the previous one never ended properly.
constexpr int kInvalidDataIndex = 90;
constexpr int kLongTextIndex = 84;

}  // namespace

void StationDispatcher::feedStationBytes(const char* bytes, int n) {
    while (n > 0) {
        const int piece = std::min(n, kMaxAppend);
        ring_.append(bytes, piece);
        dispatchPending();
        bytes += piece;
        n -= piece;
    }
}

void StationDispatcher::dispatchPending() {
    while (ring_.unread() > 0) {
        dispatchByte(ring_.take());
    }
}

void StationDispatcher::dispatchByte(unsigned char byte) {
    p_.messagesForm.Eterminal.colour = colours::window;
    p_.wdTap.captureByte(byte);
    if (byte == '(') {
        startMessage();
    }
    if (assembler_.inMessage) {
        storeByte(byte);
    }
    if (byte == ')') {
        endMessage();
    }
}

void StationDispatcher::startMessage() {
    if (assembler_.index > kInvalidDataIndex) {
        p_.messages.addMessage(QStringLiteral("Dato invalido"));
    }
    p_.flags.stationSpoke = true;
    p_.flags.rxBlink = true;
    assembler_.inMessage = true;
    assembler_.index = 0;
    assembler_.buffer.fill(0);
}

void StationDispatcher::storeByte(unsigned char byte) {
    assembler_.buffer[assembler_.index] = static_cast<char>(byte);
    if (assembler_.index == datafield::supply.pos) {
        assembler_.supplyByte = byte;
    }
    if (++assembler_.index > MessageAssembler::kLastIndex) {
        assembler_.index = 0;
    }
}

// A ')' at 76 to 82 ends nothing: the byte is kept and the message goes on.
void StationDispatcher::endMessage() {
    const int index = assembler_.index;
    if (index < kShortFormLength) {
        endShortMessage();
    } else if (index == kShortFormLength) {
        endShortForm();
    } else if (index == kDataMessageLength) {
        endDataMessage();
    } else if (index >= kLongTextIndex) {
        endLongText();
    }
}

void StationDispatcher::resetAssembler() {
    assembler_.index = 0;
    assembler_.inMessage = false;
}

void StationDispatcher::endShortMessage() {
    char* buffer = assembler_.buffer.data();
    buffer[assembler_.index] = '\0';
    const QByteArray text(buffer, static_cast<qsizetype>(std::strlen(buffer)));
    p_.shortMessages.handleShortMessage(text, buffer[1]);
    resetAssembler();
}

// The older 75-character form is only kept and counted.
void StationDispatcher::endShortForm() {
    assembler_.buffer[kShortFormLength] = '\0';
    resetAssembler();
    std::memcpy(p_.lastDataMessage.bytes.data(), assembler_.buffer.data(), kShortFormLength + 1);
    ++p_.sums.sampleCount;
}

void StationDispatcher::endDataMessage() {
    assembler_.buffer[kDataMessageLength] = '\0';
    resetAssembler();
    std::memcpy(p_.lastDataMessage.bytes.data(), assembler_.buffer.data(), kDataMessageLength + 1);
    routeDataMessage(p_.lastDataMessage.bytes.data());
}

void StationDispatcher::routeDataMessage(const char* message) {
    const char kind = message[datafield::kind.pos];
    if (kind != 't' && p_.messages.showDataMessages()) {
        p_.messages.addMessage(decodeWindows1252(message, kDataMessageLength));
    }
    switch (kind) {
        case 'a':
            ++p_.sums.sampleCount;
            p_.live.applyLiveMessage(message);
            return;
        case 't':
            p_.blocks.refillDumpBlock(message);
            return;
        case '0':
            p_.blocks.refillSingleBlock(message);
            break;
        default:
            break;
    }
    p_.extremes.applyStationExtremes(message);
}

// Texts of 84 characters or more are shown between blanks with the supply figure after them.
void StationDispatcher::endLongText() {
    const int length = assembler_.index;
    char* buffer = assembler_.buffer.data();
    buffer[0] = ' ';
    buffer[length - 1] = ' ';
    const double supply = static_cast<unsigned char>(buffer[datafield::supply.pos]) * 0.1;
    p_.messages.addMessage(
        decodeWindows1252(buffer, static_cast<qsizetype>(strnlen(buffer, length))) + u' ' +
        QString::asprintf("%03.1f", supply));
    assembler_.index = 0;
}

}  // namespace zaq
