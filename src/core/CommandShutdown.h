#pragma once

#include "base/SystemShutdown.h"

namespace zaq {

// "systemctl poweroff -i" through /bin/sh -c, or the command of ZAQ_SHUTDOWN_COMMAND; its result
// is not awaited, and the program ends with code 0.
class CommandShutdown final : public SystemShutdown {
  public:
    void shutDown() override;
};

}  // namespace zaq
