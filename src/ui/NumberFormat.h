#pragma once

#include <QString>

namespace zaq {

// Number texts in the station PC's Spanish locale: "," decimals, "." thousands.

// Grouped text with exactly `decimals` decimals, rounded to at most `precision` significant
// digits; scientific notation when the integer part has more digits than `precision`.
QString formatNumber(double value, int precision, int decimals);

// Shortest general text of a number, up to 15 significant digits, no grouping.
QString formatGeneral(double value);

// Truncated toward zero as an integer; values a damaged file may hold (not a number, beyond the
// integer range) give 0 or the nearest end instead of undefined behaviour.
int truncated(double value);

}  // namespace zaq
