#pragma once

#include <QByteArray>
#include <optional>

#include "StationReading.h"

namespace zaqsim::test {

// Reads a data message back from the layout table alone (position, width, encoding), without the
// simulator's code or the program's. Empty when the text is not an 83-character message.
std::optional<StationReading> parseLayout(const QByteArray& message);

}  // namespace zaqsim::test
