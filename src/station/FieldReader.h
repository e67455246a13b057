#pragma once

namespace zaq {

// The C-style text-to-number conversions the station's fixed fields are read with: leading
// blanks skipped, an optional sign, digits up to the first non-digit, 0 when there is none.
// Every reader stays inside its `width` characters.

int readInteger(const char* field, int width);
// A decimal number: digits, an optional "." and fraction, an optional exponent.
double readDecimal(const char* field, int width);
// The field with a decimal point inserted before its last `k` characters ("1800" → 180.0 for k 1).
double readPointBeforeLast(const char* field, int width, int k);

}  // namespace zaq
