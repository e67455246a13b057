#include "base/MessagesList.h"

namespace zaq {
namespace {
constexpr qsizetype kLineEndLength = 2;
}

void MessagesList::addMessage(const QString& text) {
    form_.Mhistory.lines.append(text);
    for (const Listener& listener : listeners_) {
        listener(text);
    }
}

void MessagesList::clear() {
    form_.Mhistory.lines.clear();
    ++form_.Mhistory.clearCount;
}

QString MessagesList::text() const {
    QString all;
    all.reserve(textLength());
    for (const QString& line : form_.Mhistory.lines) {
        all += line;
        all += QStringLiteral("\r\n");
    }
    return all;
}

qsizetype MessagesList::textLength() const {
    qsizetype length = 0;
    for (const QString& line : form_.Mhistory.lines) {
        length += line.size() + kLineEndLength;
    }
    return length;
}

}  // namespace zaq
