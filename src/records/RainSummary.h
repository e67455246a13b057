#pragma once

#include "records/DataSources.h"

namespace zaq {

// "pluviometria.txt": one line a rain day, written when the station starts a new one and before
// an automatic shutdown with rain recorded.
class RainSummary {
  public:
    explicit RainSummary(const DataSources& sources) : s_(sources) {}

    void writeRainSummary();

  private:
    DataSources s_;
};

}  // namespace zaq
