#pragma once

#include <QByteArray>

namespace zaq::test {

// The example data message of the help text: roof 'C', heater 'A', supply 's' (11.5 V) …
QByteArray exampleDataMessage();

// The message with `text` written over it from position `pos`.
QByteArray withField(QByteArray message, int pos, const QByteArray& text);

// The example with its kind and block ("t0003", "M1373") at position 77.
QByteArray exampleWithKind(const QByteArray& kindAndBlock);

}  // namespace zaq::test
