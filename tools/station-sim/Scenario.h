#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace zaqsim {

class SimulatedStation;
class WeatherModel;

// A timed script for the simulator, one step a line:
//   at 30s rain 40                 set a quantity (temperature, dewpoint, humidity, pressure,
//                                  wind, meanwind, thermalwind, direction, cloud, rain,
//                                  rainrate, daylight, sky, supply)
//   at 1m ramp cloud 90 over 5m    ramp it from its present value
//   at 7m release cloud            give it back to the model
//   at 2m silent 15s               send nothing at all for a while
//   at 3m noise 40                 send 40 random bytes
//   at 4m send (Cerrado)           send a raw text
//   at 5m supply 10.6              drop the supply (a quantity like the others)
//   at 6m roof A                   set the roof letter: A, a or C
//   at 6m thermometer off          live messages carry the heater letter 'p' (on: back)
//   at 7m command (&057)           act on a command as though the PC had sent it
//   at 8m loop                     start again from the first step, times counted from now
//   at 9m end                      stop the simulator
// Times count from the start: 90, 90s, 1m30s, 1h, 500ms. '#' starts a comment.
class Scenario {
  public:
    enum class Kind {
        Set,
        Ramp,
        Release,
        Silent,
        Noise,
        Send,
        Roof,
        Thermometer,
        Command,
        Loop,
        End
    };

    struct Step {
        qint64 atMs = 0;
        Kind kind = Kind::End;
        QString quantity;
        double value = 0;
        qint64 durationMs = 0;
        QByteArray text;
        int line = 0;
    };

    // Steps sorted by time; on a bad line, no steps and the error names the line.
    static bool parse(const QString& text, std::vector<Step>& steps, QString& error);
    static bool parseDuration(const QString& text, qint64& ms);
};

}  // namespace zaqsim
