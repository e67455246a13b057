#pragma once

#include <QDate>
#include <QString>

namespace zaq {

class Clock;
class MessagesList;
struct SettingsForm;

// The monthly activity log "Log_MM_YYYY.txt" in the graphs directory: orders, restarts, settings
// confirmed by the station and the station's own notices, one line each.
class ActivityLog {
  public:
    ActivityLog(const Clock& clock, MessagesList& messages, const SettingsForm& settings,
                const QString& graphsDirectory)
        : clock_(clock), messages_(messages), settings_(settings), directory_(graphsDirectory) {}

    void appendActivityLog(const QString& text);

    // The file of the month of that date.
    QString fileName(const QDate& date) const;

  private:
    QString header() const;

    const Clock& clock_;
    MessagesList& messages_;
    const SettingsForm& settings_;
    const QString& directory_;
};

}  // namespace zaq
