#pragma once

#include <QString>
#include <optional>

namespace zaq {

class Clock;
class GraphStore;
class MessagesList;
struct ChartModel;
struct Configuration;
struct CurrentReadings;
struct MonthYearExtremes;
struct StationExtremes;

// The two files an upload program fetches from the graphs directory for the public weather
// networks: "meteoclimatic.htm" and "awekas_wl.htm", rewritten after each good update of the
// month and year records.
class WebTemplates {
  public:
    struct Deps {
        const CurrentReadings& readings;
        const StationExtremes& day;
        const MonthYearExtremes& records;
        const GraphStore& store;
        const Configuration& config;
        ChartModel& charts;
        MessagesList& messages;
        const Clock& clock;
        QString programDirectory;
    };

    explicit WebTemplates(Deps deps) : p_(std::move(deps)) {}

    void writeMeteoclimaticTemplate();
    void writeAwekasTemplate();

  private:
    // The station's code text; empty when the code file is not valid (reported).
    std::optional<QString> stationCode();
    bool createWhenMissing(const QString& path, const QString& announce);
    double monthRainMm() const;
    double yearRainMm() const;

    Deps p_;
    bool codeFileReported_ = false;
};

}  // namespace zaq
