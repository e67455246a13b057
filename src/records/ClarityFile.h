#pragma once

#include <QByteArray>

#include "records/DataSources.h"

namespace zaq {

// "cdf.txt": the Clarity Data File read by observatory software, one 104-byte record without a
// line end, the last byte zero.
class ClarityFile {
  public:
    static constexpr int kSize = 104;

    explicit ClarityFile(const DataSources& sources) : s_(sources) {}

    void writeClarityFile();
    QByteArray composeRecord() const;

  private:
    DataSources s_;
};

}  // namespace zaq
