#pragma once

#include <QDateTime>
#include <functional>
#include <optional>

namespace zaq {

class Clock;
class GraphStore;
struct ChartModel;
struct CurrentReadings;
struct MainForm;
struct ReadingSums;
struct StationFlags;

// Once a minute, at the first live message after the minute mark: the sums become the minute's
// averages, appended as the newest record of the graph store; titles, the pressure axes and the
// day's solar energy follow, the data files are written and the graphs redrawn.
class PeriodicProcessing {
  public:
    using ExpectedRadiation = std::function<std::optional<double>(const QDateTime&)>;
    // The writers of "zaqdf.txt", "easyweather.txt" and "cdf.txt", in that order.
    using WriteFiles = std::function<void()>;

    struct Deps {
        ReadingSums& sums;
        CurrentReadings& readings;
        StationFlags& flags;
        GraphStore& store;
        ChartModel& model;
        MainForm& main;
        const Clock& clock;
        ExpectedRadiation expected;
        WriteFiles writeFiles;
    };

    explicit PeriodicProcessing(Deps deps) : p_(std::move(deps)) {}

    // False when no live data arrived since the last one: nothing was processed.
    bool runPeriodicProcessing();

    // The minute's mean wind direction, degrees.
    double meanWindDirection() const { return meanWindDirection_; }

  private:
    struct DaySums {
        double measured = 0;
        double expected = 0;
    };
    DaySums shiftStore();
    void writeNewest(int n);
    void computeMeanDirection(int n);
    void setTitles();
    void showSolarEnergy(const DaySums& day);
    void resetSums();

    Deps p_;
    double meanWindDirection_ = 0;
};

}  // namespace zaq
