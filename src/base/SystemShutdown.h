#pragma once

namespace zaq {

// Powers the PC off and ends the program at once with exit code 0. Tests record the request:
// a test must never power a machine off.
class SystemShutdown {
  public:
    virtual ~SystemShutdown() = default;
    virtual void shutDown() = 0;
};

}  // namespace zaq
