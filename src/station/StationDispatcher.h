#pragma once

#include "station/MessageAssembler.h"
#include "station/ReceiveRing.h"

namespace zaq {

class BlockRefill;
class ExtremesSink;
class LiveReadings;
class MessagesList;
class ShortMessageHandler;
class WdCaptureTap;
struct LastDataMessage;
struct MessagesForm;
struct ReadingSums;
struct StationFlags;

// Cuts the station's byte stream into messages in parentheses and hands each to its handler by
// length: short texts, the old 75-character form, 83-character data messages and long texts.
class StationDispatcher {
  public:
    struct Deps {
        StationFlags& flags;
        ReadingSums& sums;
        LastDataMessage& lastDataMessage;
        MessagesForm& messagesForm;
        MessagesList& messages;
        ShortMessageHandler& shortMessages;
        LiveReadings& live;
        BlockRefill& blocks;
        ExtremesSink& extremes;
        WdCaptureTap& wdTap;
    };

    // The most bytes one call of feedStationBytes appends before dispatching them.
    static constexpr int kMaxAppend = 2200;

    explicit StationDispatcher(const Deps& deps) : p_(deps) {}

    // Appends the bytes to the receive ring and dispatches them. Longer input is taken in pieces
    // of kMaxAppend, so the ring never holds more unread bytes than it can keep.
    void feedStationBytes(const char* bytes, int n);
    void dispatchPending();

    const MessageAssembler& assembler() const { return assembler_; }

  private:
    void dispatchByte(unsigned char byte);
    void startMessage();
    void storeByte(unsigned char byte);
    void endMessage();
    void endShortMessage();
    void endShortForm();
    void endDataMessage();
    void endLongText();
    void routeDataMessage(const char* message);
    void resetAssembler();

    Deps p_;
    ReceiveRing ring_;
    MessageAssembler assembler_;
};

}  // namespace zaq
