#pragma once

#include <QDateTime>
#include <QString>

namespace zaq {

struct MainForm;
struct SafetyState;

// The line `zaq --headless` prints after each periodic processing, so that a person following
// its journal sees the station live: the panels' own texts, the roof and the verdict.
QString headlessStatusLine(const QDateTime& now, const MainForm& main, const SafetyState& safety);

}  // namespace zaq
