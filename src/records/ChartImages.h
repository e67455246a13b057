#pragma once

#include <QString>
#include <QTimer>

namespace zaq {

struct ChartModel;
class ChartPictures;
class Prompter;
struct Configuration;
struct ReadingSums;

// The six charts published as JPEG pictures every `ETiempoJpg` minutes of live data. Drawing a
// chart takes the program's loop for tens of milliseconds (the first time, near a hundred), so
// each bitmap and each conversion has a turn of the loop to itself and the 100 ms pump runs
// between them; the steps and their order are unchanged.
class ChartImages {
  public:
    struct Deps {
        const ChartModel& model;
        ChartPictures& pictures;
        const Configuration& config;
        const ReadingSums& sums;
        Prompter& prompter;
    };

    explicit ChartImages(Deps deps);

    // The 60-second tick's step, counter included: started here, finished in the turns after.
    void writeChartImages();
    // True while the six pictures of a tick are still being made.
    bool drawing() const { return step_ >= 0; }

  private:
    void runStep();
    bool saveBitmap(int chart);
    bool convertBitmap(int chart);
    void publish();

    Deps p_;
    QTimer nextStep_;
    int minutes_ = 0;
    int step_ = -1;  // 0–5 the bitmaps, 6–11 the conversions; -1 idle
};

}  // namespace zaq
