#pragma once

#include <QByteArray>
#include <QString>

namespace zaq {

class ActivityLog;
class Clock;
class DumpDecoder;
class GraphFeed;
class MessagesList;
class SettingEchoes;
struct CurrentReadings;
struct MainForm;
struct MessagesForm;
struct SettingsForm;
struct StationFlags;

// A short station message (fewer than 75 characters): status texts, command echoes, the clock
// reply, the relay texts and the setting echoes.
class ShortMessageHandler {
  public:
    struct Deps {
        MainForm& main;
        SettingsForm& settings;
        MessagesForm& messagesForm;
        MessagesList& messages;
        ActivityLog& log;
        StationFlags& flags;
        CurrentReadings& readings;
        GraphFeed& graphs;
        DumpDecoder& dump;
        SettingEchoes& echoes;
        const Clock& clock;
    };

    explicit ShortMessageHandler(const Deps& deps) : p_(deps) {}

    // text: from "(" to ")" inclusive; charAfterParen: the assembler's second byte, which for an
    // empty text is still the previous message's.
    void handleShortMessage(const QByteArray& text, char charAfterParen);

  private:
    void applyContentChain(const QByteArray& raw);
    void applySkyTemperature(const QByteArray& raw);
    void applyClockReply(const QByteArray& raw);
    void applyRelayText(const QByteArray& raw);
    void applyRelayHour(const QByteArray& raw, bool on);

    // Added to the list only when "Ver msg Control" is off: with it on, the raw text is there.
    void show(const QString& line);
    void showAndLog(const QByteArray& raw);
    QString timeText() const;

    Deps p_;
};

}  // namespace zaq
