#include "station/FieldReader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace zaq {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

struct Cursor {
    const char* text;
    int width;
    int at = 0;

    bool more() const { return at < width; }
    char peek() const { return more() ? text[at] : '\0'; }
};

// Skips the blanks and reads the sign; true when the number is negative.
bool readSign(Cursor& c) {
    while (c.more() && isBlank(c.peek())) {
        ++c.at;
    }
    if (c.peek() == '+' || c.peek() == '-') {
        return c.text[c.at++] == '-';
    }
    return false;
}

int skipDigits(Cursor& c) {
    const int start = c.at;
    while (isDigit(c.peek())) {
        ++c.at;
    }
    return c.at - start;
}

}  // namespace

int readInteger(const char* field, int width) {
    Cursor c{field, width};
    const bool negative = readSign(c);
    long value = 0;
    // Station fields are at most a few digits wide; the cap keeps noise from overflowing.
    constexpr long kCap = 1'000'000'000L;
    while (isDigit(c.peek())) {
        value = std::min(kCap, value * 10 + (c.text[c.at++] - '0'));
    }
    return static_cast<int>(negative ? -value : value);
}

double readDecimal(const char* field, int width) {
    Cursor c{field, width};
    const bool negative = readSign(c);
    const int start = c.at;
    int digits = skipDigits(c);
    if (c.peek() == '.') {
        ++c.at;
        digits += skipDigits(c);
    }
    if (digits == 0) {
        return 0.0;
    }
    const int mantissaEnd = c.at;
    bool tinyExponent = false;
    if (c.peek() == 'e' || c.peek() == 'E') {
        ++c.at;
        if (c.peek() == '+' || c.peek() == '-') {
            tinyExponent = c.text[c.at++] == '-';
        }
        if (skipDigits(c) == 0) {
            c.at = mantissaEnd;
            tinyExponent = false;
        }
    }
    double value = 0.0;
    const auto result = std::from_chars(field + start, field + c.at, value);
    if (result.ec == std::errc::result_out_of_range) {
        value = tinyExponent ? 0.0 : HUGE_VAL;
    }
    return negative ? -value : value;
}

double readPointBeforeLast(const char* field, int width, int k) {
    std::string text(field, width);
    const auto nul = text.find('\0');
    if (nul != std::string::npos) {
        text.resize(nul);
    }
    const int at = std::max(0, static_cast<int>(text.size()) - k);
    text.insert(static_cast<std::size_t>(at), 1, '.');
    return readDecimal(text.data(), static_cast<int>(text.size()));
}

}  // namespace zaq
