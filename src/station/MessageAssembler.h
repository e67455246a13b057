#pragma once

#include <array>

namespace zaq {

// The message being cut out of the byte stream, between "(" and ")". It survives transport
// changes, so a message may be completed from bytes of two sources.
struct MessageAssembler {
    static constexpr int kLastIndex = 200;

    std::array<char, kLastIndex + 1> buffer{};
    int index = 0;
    bool inMessage = false;
    unsigned char supplyByte = 0;  // the byte stored at index 3
};

}  // namespace zaq
