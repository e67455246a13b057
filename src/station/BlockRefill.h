#pragma once

namespace zaq {

class Clock;
class GraphFeed;
class MessagesList;
struct BlockRecord;

// Stored five-minute blocks into the 24-hour graph store: single blocks (kind '0') and the dump
// that answers "(@t0000)" (kind 't'), which starts at block 0 and counts upwards.
class BlockRefill {
  public:
    BlockRefill(BlockRecord& record, const Clock& clock, MessagesList& messages, GraphFeed& feed)
        : record_(record), clock_(clock), messages_(messages), feed_(feed) {}

    void refillSingleBlock(const char* message);
    void refillDumpBlock(const char* message);

    // The minute of the day the stored blocks are placed against.
    int refMinuteOfDay() const { return refMinuteOfDay_; }

  private:
    void setReferenceMinute();
    void listDumpLine(const char* message, int block);

    BlockRecord& record_;
    const Clock& clock_;
    MessagesList& messages_;
    GraphFeed& feed_;
    int refMinuteOfDay_ = 0;
    int previousBlock_ = 0;
    int blocksSinceRedraw_ = 0;
};

}  // namespace zaq
