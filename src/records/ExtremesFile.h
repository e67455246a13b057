#pragma once

#include <QString>
#include <functional>

namespace zaq {

class Clock;
class MessagesList;
struct Configuration;
struct CurrentReadings;
struct MonthYearExtremes;
struct StationExtremes;

// "extremas.txt": the month's and the year's records updated from the station's daily extremes,
// recovered at the first update, archived when the month ends; after a good update the web
// upload templates are written.
class ExtremesFile {
  public:
    struct Deps {
        StationExtremes& station;
        MonthYearExtremes& records;
        const CurrentReadings& readings;
        const Configuration& config;
        MessagesList& messages;
        const Clock& clock;
        QString path;
        // The Meteoclimatic and AWEKAS templates, in that order.
        std::function<void()> writeTemplates;
    };

    explicit ExtremesFile(Deps deps) : p_(std::move(deps)) {}

    // The 60-second tick: once the station's maxima have arrived, with a plausible day minimum
    // humidity (above 8) and sea-level pressure (above 950).
    void updateExtremesWhenDue();
    void updateExtremes();
    // The settings window's "x": recover the file again and update at once.
    void BIniExtremasClick();

  private:
    void recover();
    void readRecords(const QByteArray& line);
    void resetRecords();
    void changeMonth(int month);
    bool plausible();
    void takeTheDay();
    QString fileLine() const;

    Deps p_;
    // Below 3 the next update recovers the file first; 5 once done, 1 to try again.
    int recoveryState_ = 0;
};

}  // namespace zaq
