#include "cameras/HttpClient.h"

#include "base/MessagesList.h"

namespace zaq {

void reportHttpEvent(const HttpResult& result, MessagesList& messages) {
    switch (result.event) {
        case HttpResult::Event::InvalidHost:
            messages.addMessage(QStringLiteral("HTTP InvalidHost"));
            break;
        case HttpResult::Event::AuthenticationNeeded:
            messages.addMessage(QStringLiteral("AutentNeed"));
            break;
        case HttpResult::Event::None:
            break;
    }
}

}  // namespace zaq
