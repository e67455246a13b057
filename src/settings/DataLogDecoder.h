#pragma once

#include <QByteArray>
#include <QDate>
#include <QTime>
#include <array>

namespace zaq {

class MessagesList;
struct Configuration;

// The station's ten-minute dump, decoded block by block into a day of 154 records and appended
// day by day to the three monthly "DataLog_" files of the data directory.
class DataLogDecoder {
  public:
    static constexpr int kRecordsPerDay = 154;

    DataLogDecoder(const Configuration& config, MessagesList& messages)
        : config_(config), messages_(messages) {}

    // Every short message while a dump runs: block headers and records; others are ignored.
    void handleDumpMessage(const QByteArray& text);

    struct Record {
        QDate date;
        QTime time;
        int cloud = 0;
        int humidity = 0;
        int direction = 0;
        int rainSensor = 0;
        int supply = 0;
        int temperature = 0;
        int dewPoint = 0;
        int light = 0;
        int skyPacked = 0;
        int rainDay = 0;
        int rainTotal = 0;
        int meanWind = 0;
        int wind = 0;
        int pressure = 0;
    };

    int recordCount() const { return count_; }
    const Record& record(int index) const { return day_[static_cast<std::size_t>(index)]; }

  private:
    void applyBlockHeader(const QByteArray& text);
    void applyRecord(const QByteArray& text);
    void writeDay();
    void appendFile(const QString& name, const QString& header, const QString& lines);

    const Configuration& config_;
    MessagesList& messages_;
    std::array<Record, kRecordsPerDay> day_{};
    // They persist between dumps: an interrupted dump goes on filling the same day.
    int count_ = 0;
    int month_ = 0;
    int dayOfMonth_ = 0;
    int blockInDay_ = 0;
    int year_ = 0;
};

}  // namespace zaq
