#pragma once

#include <QString>

namespace zaq {

// One ICMP echo with a 56-byte payload, time-to-live 64 and a 500 ms time-out; true when the
// host answered. Synchronous.
class Pinger {
  public:
    virtual ~Pinger() = default;
    virtual bool ping(const QString& host) = 0;
};

}  // namespace zaq
