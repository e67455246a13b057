#pragma once

#include <QByteArray>
#include <array>

namespace zaq {

class MessagesList;

// The commands waiting for the station: a stack of 99 slots of at most 15 characters, the
// newest sent first.
class CommandQueue {
  public:
    static constexpr int kMaxCommands = 99;
    static constexpr int kMaxLength = 15;

    explicit CommandQueue(MessagesList& messages) : messages_(messages) {}

    // A command too long for a slot, or one that finds the queue full, is refused with a line
    // in the messages list.
    bool enqueueCommand(const QByteArray& text);

    int count() const { return count_; }
    QByteArray top() const;
    void pop();
    // Drops the commands above slot `keep`.
    void cutTo(int keep);
    void clear() { count_ = 0; }

  private:
    MessagesList& messages_;
    // Slot 0 is never used: commands occupy 1…99 and the count is the top slot.
    std::array<std::array<char, kMaxLength + 1>, kMaxCommands + 1> slot_{};
    int count_ = 0;
};

}  // namespace zaq
