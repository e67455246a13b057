#include "station/CommandQueue.h"

#include <algorithm>
#include <cstring>

#include "base/MessagesList.h"
#include "ui/Windows1252.h"

namespace zaq {

bool CommandQueue::enqueueCommand(const QByteArray& text) {
    if (text.size() > kMaxLength) {
        messages_.addMessage(QStringLiteral("Comando demasiado largo, no enviado (max. 15): ") +
                             decodeWindows1252(text));
        return false;
    }
    if (count_ >= kMaxCommands) {
        messages_.addMessage(QStringLiteral("Buffer de Envio lleno, comando no enviado: ") +
                             decodeWindows1252(text));
        return false;
    }
    auto& slot = slot_[static_cast<std::size_t>(++count_)];
    slot.fill('\0');
    std::memcpy(slot.data(), text.constData(), static_cast<std::size_t>(text.size()));
    return true;
}

QByteArray CommandQueue::top() const {
    if (count_ == 0) {
        return {};
    }
    const auto& slot = slot_[static_cast<std::size_t>(count_)];
    return QByteArray(slot.data(), static_cast<qsizetype>(strnlen(slot.data(), slot.size())));
}

void CommandQueue::pop() {
    if (count_ > 0) {
        --count_;
    }
}

void CommandQueue::cutTo(int keep) {
    count_ = std::min(count_, std::max(0, keep));
}

}  // namespace zaq
