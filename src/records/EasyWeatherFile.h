#pragma once

#include <QString>

#include "records/DataSources.h"

namespace zaq {

// "easyweather.txt": one line in the EasyWeather layout for weather programs, rewritten after
// every periodic processing. Decimal points stay points.
class EasyWeatherFile {
  public:
    explicit EasyWeatherFile(const DataSources& sources) : s_(sources) {}

    void writeEasyWeatherFile();
    QString composeLine();

  private:
    DataSources s_;
    int writes_ = 0;
};

}  // namespace zaq
