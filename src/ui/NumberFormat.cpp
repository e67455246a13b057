#include "ui/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

namespace zaq {
namespace {

constexpr char kDecimalSeparator = ',';
constexpr char kGroupSeparator = '.';
constexpr int kMaxSignificant = 15;

// value = 0.d1d2d3... x 10^exponent, digits without trailing zeros; empty digits is zero.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};

DecimalDigits toDecimalDigits(double magnitude) {
    DecimalDigits result;
    if (magnitude == 0.0) {
        return result;
    }
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text - 1, magnitude,
                                   std::chars_format::scientific, kMaxSignificant - 1)
                         .ptr;
    *end = '\0';
    // text is "d.dddddddddddddde[+-]xx"
    const char* e = std::strchr(text, 'e');
    result.digits.push_back(text[0]);
    result.digits.append(text + 2, static_cast<std::size_t>(e - (text + 2)));
    int exponent = 0;
    const char* digits = e[1] == '+' ? e + 2 : e + 1;
    std::from_chars(digits, end, exponent);
    result.exponent = exponent + 1;
    while (!result.digits.empty() && result.digits.back() == '0') {
        result.digits.pop_back();
    }
    return result;
}

// Keeps the first `keep` digits, rounding half away from zero.
void roundDigits(DecimalDigits& d, int keep) {
    if (keep >= static_cast<int>(d.digits.size())) {
        return;
    }
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9') {
            d.digits[i] = '0';
            --i;
        }
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        } else {
            ++d.digits[i];
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
    }
}

char digitAt(const DecimalDigits& d, int index) {
    return index >= 0 && index < static_cast<int>(d.digits.size()) ? d.digits[index] : '0';
}

QString nonFiniteText(double value) {
    if (std::isnan(value)) {
        return QStringLiteral("NAN");
    }
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

// "1,2346E5", "1,5E-7": the scientific form of the general format.
QString scientificText(bool negative, const DecimalDigits& d) {
    std::string text;
    if (negative) {
        text += '-';
    }
    text += d.digits[0];
    if (d.digits.size() > 1) {
        text += kDecimalSeparator;
        text.append(d.digits, 1);
    }
    text += 'E';
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())) +
           QString::number(d.exponent - 1);
}

void appendGroupedInteger(std::string& text, const DecimalDigits& d) {
    if (d.exponent <= 0) {
        text += '0';
        return;
    }
    for (int i = 0; i < d.exponent; ++i) {
        if (i > 0 && (d.exponent - i) % 3 == 0) {
            text += kGroupSeparator;
        }
        text += digitAt(d, i);
    }
}

}  // namespace

QString formatNumber(double value, int precision, int decimals) {
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    precision = std::clamp(precision, 1, kMaxSignificant);
    decimals = std::clamp(decimals, 0, 18);
    const bool negative = std::signbit(value);
    DecimalDigits d = toDecimalDigits(std::fabs(value));
    if (!d.digits.empty() && d.exponent > precision) {
        roundDigits(d, precision);
        return scientificText(negative, d);
    }
    roundDigits(d, std::min(precision, d.exponent + decimals));
    if (!d.digits.empty() && d.exponent > precision) {
        return scientificText(negative, d);
    }
    std::string text;
    if (negative && !d.digits.empty()) {
        text += '-';
    }
    appendGroupedInteger(text, d);
    if (decimals > 0) {
        text += kDecimalSeparator;
        for (int i = 0; i < decimals; ++i) {
            text += digitAt(d, d.exponent + i);
        }
    }
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

int truncated(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    constexpr double kMax = 2147483647.0;
    return static_cast<int>(std::clamp(std::trunc(value), -kMax, kMax));
}

QString formatGeneral(double value) {
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    const bool negative = std::signbit(value);
    const DecimalDigits d = toDecimalDigits(std::fabs(value));
    if (d.digits.empty()) {
        return QStringLiteral("0");
    }
    if (d.exponent > kMaxSignificant || d.exponent < -4) {
        return scientificText(negative, d);
    }
    std::string text;
    if (negative) {
        text += '-';
    }
    const int count = static_cast<int>(d.digits.size());
    if (d.exponent <= 0) {
        text += '0';
        text += kDecimalSeparator;
        text.append(static_cast<std::size_t>(-d.exponent), '0');
        text += d.digits;
    } else {
        for (int i = 0; i < d.exponent; ++i) {
            text += digitAt(d, i);
        }
        if (count > d.exponent) {
            text += kDecimalSeparator;
            text.append(d.digits, static_cast<std::size_t>(d.exponent));
        }
    }
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace zaq
