#pragma once

#include <QDateTime>
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "graphs/GraphRecord.h"

namespace zaq {

class Clock;
class CommandQueue;
class MessagesList;
struct BlockRecord;

// Naked-eye limiting magnitude from the sky brightness in mag/arcsec².
float limitingMagnitude(double skyBrightness);

// The last 24 hours at one minute a record: index 0 the oldest, 1439 the newest. Saved whole to
// "zaqgraf.hex" and loaded from it at start.
class GraphStore {
  public:
    static constexpr int kRecords = 1440;
    static constexpr qsizetype kFileSize = kRecords * static_cast<qsizetype>(sizeof(GraphRecord));

    // Clear-sky radiation for a local instant (from the sun's position); empty when it cannot be
    // computed.
    using ExpectedRadiation = std::function<std::optional<double>(const QDateTime&)>;

    GraphStore(QString path, const Clock& clock, MessagesList& messages, ExpectedRadiation expected)
        : path_(std::move(path)),
          clock_(clock),
          messages_(messages),
          expected_(std::move(expected)) {}

    // Times of the last 24 hours up to a minute ago, then the file.
    void initGraphStore();
    // Only the times: record i at (now − 1 day) + i minutes.
    void restampTimes();
    void loadGraphFile();
    // "Leer Datos 24h": the times restamped to the last 24 hours, the station asked for its blocks.
    void requestDayDump(CommandQueue& queue);
    void saveGraphFile() const;
    // Five minutes of the store from the stored block p, placed against refMinuteOfDay.
    void refillFromDayRecord(int block, const BlockRecord& record, int refMinuteOfDay);

    std::array<GraphRecord, kRecords>& records() { return records_; }
    const std::array<GraphRecord, kRecords>& records() const { return records_; }
    // The periodic processing wrote the newest record from this run's live data.
    void noteRecordMade() { recordMadeThisRun_ = true; }
    // Until then the store holds only what was loaded or zeros, which no monthly line may copy.
    bool holdsRecordOfThisRun() const { return recordMadeThisRun_; }

    GraphRecord& newest() { return records_[kRecords - 1]; }
    const GraphRecord& newest() const { return records_[kRecords - 1]; }

  private:
    QString path_;
    const Clock& clock_;
    MessagesList& messages_;
    ExpectedRadiation expected_;
    std::array<GraphRecord, kRecords> records_{};
    bool recordMadeThisRun_ = false;
};

}  // namespace zaq
