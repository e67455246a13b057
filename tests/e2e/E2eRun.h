#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <vector>

namespace zaq {
class ConfigImage;
}

namespace zaq::test {

// The real programs, side by side: zaq-station-sim on a pseudo-terminal or a TCP port, and
// `zaq --headless` in a working directory of its own, each line of both recorded with its time.
class E2eRun {
  public:
    struct Line {
        qint64 ms;  // when this test read it, from zaq's start
        QString text;
        // For what the station received: when the simulator itself logged it (milliseconds of
        // its day). Intervals between these do not depend on how busy the test is.
        qint64 stationMs = -1;
    };

    E2eRun();
    ~E2eRun();

    QString dir() const { return dir_.path(); }

    // The simulator; returns the TCP port it listens on (0 for a pseudo-terminal).
    quint16 startSimulator(bool tcp, const QString& scenario, const QStringList& options = {});
    // zaq.cfg for the station link: network mode on the given port, or the serial line; `adjust`
    // sets what else the run needs.
    void writeConfiguration(bool networkMode, quint16 port, bool master, bool reloadGraphs = false,
                            const std::function<void(ConfigImage&)>& adjust = {});
    // Closing limits like an observatory's (rain 30 %, cloud 70 %, sky 18.0 mag, wind 45 km/h …),
    // for runs that need the roof permitted in fine weather and refused in rain.
    static void observatoryLimits(ConfigImage& image);
    // For the next start of zaq.
    void setZaqEnvironment(const QString& name, const QString& value) {
        zaqEnvironment_.insert(name, value);
    }
    // With windows (on the offscreen platform) when `headless` is false.
    void startZaq(const QString& serialDevice, bool headless = true,
                  const QStringList& options = {});
    // Sends a signal to zaq; returns the milliseconds it took to end, or -1 if it still runs
    // after `withinMs`.
    qint64 signalZaq(int signal, int withinMs);
    // zaq's exit code once it has ended within `withinMs` of running both, or -1.
    int zaqExitCode(int withinMs);
    QString ttyLink() const { return dir_.path() + "/ttyZAQ"; }

    // Runs both until `ms` have passed since zaq started, or `until` returns true.
    void runFor(qint64 ms, const std::function<bool()>& until = {});
    void stop();
    qint64 elapsed() const { return clock_.elapsed(); }

    const std::vector<Line>& output() const { return output_; }
    // The commands the station received, in order, with both times.
    std::vector<Line> received() const;
    // What the station sent, one write a line, its bytes as they went out, with both times.
    std::vector<Line> sent() const;
    int outputCount(const QString& text) const;
    int outputCountEndingWith(const QString& text) const;
    QStringList logEntries() const;

  private:
    void collect();

    QTemporaryDir dir_;
    QProcess sim_;
    QProcess zaq_;
    QElapsedTimer clock_;
    QProcessEnvironment zaqEnvironment_;
    QByteArray zaqPartial_;
    QByteArray simPartial_;
    std::vector<Line> output_;
    std::vector<Line> simLines_;
};

}  // namespace zaq::test
