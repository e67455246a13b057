#pragma once

#include <functional>

#include "station/Pinger.h"

namespace zaq {

// The kernel's ping socket, or a raw socket where the ping socket is refused. When neither can
// be opened the ping fails, and the first such failure is reported once.
class IcmpPinger final : public Pinger {
  public:
    using Report = std::function<void(const QString&)>;
    explicit IcmpPinger(Report report) : report_(std::move(report)) {}

    bool ping(const QString& host) override;

  private:
    int openSocket(bool& raw);

    Report report_;
    bool reported_ = false;
    unsigned short sequence_ = 0;
};

}  // namespace zaq
