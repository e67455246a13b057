#pragma once

#include <QDateTime>
#include <QString>

namespace zaq {

struct MainForm;
struct SafetyState;

// The line `zaq --headless` prints after each periodic processing, so that a person following
// its journal sees the station live: the panels' own texts, the roof, the verdict, and how late
// the 100 ms pump came round at worst since the previous line.
QString headlessStatusLine(const QDateTime& now, const MainForm& main, const SafetyState& safety,
                           qint64 worstPumpLatenessMs);

}  // namespace zaq
