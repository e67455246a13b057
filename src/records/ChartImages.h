#pragma once

#include <QString>

namespace zaq {

struct ChartModel;
class ChartPictures;
class Prompter;
struct Configuration;
struct ReadingSums;

// The six charts published as JPEG pictures every `ETiempoJpg` minutes of live data.
class ChartImages {
  public:
    struct Deps {
        const ChartModel& model;
        ChartPictures& pictures;
        const Configuration& config;
        const ReadingSums& sums;
        Prompter& prompter;
    };

    explicit ChartImages(Deps deps) : p_(deps) {}

    // The 60-second tick's step, counter included.
    void writeChartImages();

  private:
    bool saveBitmaps();
    bool convertBitmaps();
    void publish();

    Deps p_;
    int minutes_ = 0;
};

}  // namespace zaq
