#pragma once

#include <QString>
#include <optional>

namespace zaq {

// Numbers typed by the user: "," or "." as the decimal separator, blanks around allowed.
// Empty when the text is not a number.
std::optional<double> parseUserDecimal(const QString& text);
std::optional<int> parseUserInteger(const QString& text);

// The general error report's text for a typed value that is not a number.
QString notANumberText(const QString& text);

}  // namespace zaq
