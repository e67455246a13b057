#include "support/StationText.h"

namespace zaq::test {

QByteArray exampleDataMessage() {
    return QByteArrayLiteral(
        "(CAs 080 000 10200 09408 1120 0245 078 11003 +138 112 -128 1800 234 2131 180 a0200)");
}

QByteArray withField(QByteArray message, int pos, const QByteArray& text) {
    message.replace(pos, text.size(), text);
    return message;
}

QByteArray exampleWithKind(const QByteArray& kindAndBlock) {
    return withField(exampleDataMessage(), 77, kindAndBlock);
}

}  // namespace zaq::test
