#include "core/HeadlessPrompter.h"

#include "base/MessagesList.h"

namespace zaq {

void HeadlessPrompter::say(const QString& line) {
    if (messages_ != nullptr) {
        messages_->addMessage(line);
    }
}

void HeadlessPrompter::warn(const QString& text) {
    say(QStringLiteral("ATENCION: ") + text);
}

bool HeadlessPrompter::ask(const QString& text) {
    say(QStringLiteral("ATENCION: ") + text + QStringLiteral(" -> Cancelar"));
    return false;
}

void HeadlessPrompter::reportError(const QString& text) {
    say(QStringLiteral("Error: ") + text);
}

}  // namespace zaq
