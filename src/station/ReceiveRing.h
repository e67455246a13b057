#pragma once

#include <array>

namespace zaq {

// 3000 bytes used circularly: transports append at the write index, the dispatcher consumes
// from the read index.
class ReceiveRing {
  public:
    static constexpr int kSize = 3000;

    // Room for this many more bytes before unread ones would be overwritten.
    int room() const { return kSize - unread_; }
    int unread() const { return unread_; }

    // Appends at most room() bytes; returns how many were taken.
    int append(const char* bytes, int n);
    unsigned char take();

  private:
    std::array<unsigned char, kSize> bytes_{};
    int writeIndex_ = 0;
    int readIndex_ = 0;
    int unread_ = 0;
};

}  // namespace zaq
