#pragma once

#include <QDateTime>
#include <functional>
#include <random>
#include <vector>

#include "Scenario.h"

namespace zaqsim {

// Carries out a scenario's steps as their times come.
class ScenarioRunner {
  public:
    using Note = std::function<void(const QString&)>;

    ScenarioRunner(std::vector<Scenario::Step> steps, SimulatedStation& station,
                   WeatherModel& model, Note note)
        : steps_(std::move(steps)), station_(station), model_(model), note_(std::move(note)) {}

    void start(const QDateTime& now) { start_ = now; }
    // Runs the steps that are due; false once an "end" step has run.
    bool runDue(const QDateTime& now);
    bool finished() const { return next_ >= steps_.size(); }

  private:
    bool run(const Scenario::Step& step, const QDateTime& now);

    std::vector<Scenario::Step> steps_;
    SimulatedStation& station_;
    WeatherModel& model_;
    Note note_;
    QDateTime start_;
    std::size_t next_ = 0;
    std::minstd_rand noise_{20150305u};
};

}  // namespace zaqsim
