#include "station/ReceiveRing.h"

#include <algorithm>
#include <cstring>

namespace zaq {

int ReceiveRing::append(const char* bytes, int n) {
    const int taken = std::clamp(n, 0, room());
    if (taken == 0) {
        return 0;
    }
    const int first = std::min(taken, kSize - writeIndex_);
    std::memcpy(bytes_.data() + writeIndex_, bytes, static_cast<std::size_t>(first));
    std::memcpy(bytes_.data(), bytes + first, static_cast<std::size_t>(taken - first));
    writeIndex_ = (writeIndex_ + taken) % kSize;
    unread_ += taken;
    return taken;
}

unsigned char ReceiveRing::take() {
    const unsigned char byte = bytes_[readIndex_];
    if (++readIndex_ == kSize) {
        readIndex_ = 0;
    }
    --unread_;
    return byte;
}

}  // namespace zaq
