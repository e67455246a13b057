#pragma once

#include <QByteArray>
#include <array>
#include <cstring>

namespace zaq {

// The last complete 75- or 83-character message and its terminating zero.
struct LastDataMessage {
    std::array<char, 84> bytes{};

    QByteArray text() const {
        return QByteArray(bytes.data(), strnlen(bytes.data(), bytes.size()));
    }
};

}  // namespace zaq
