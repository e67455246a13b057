#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace zaq {

class MessagesList;

// One GET of a camera or video server.
struct HttpRequest {
    QString url;
    int timeoutMs = 3000;
    // Basic authentication when the user name is not empty.
    QString user;
    QString password;
    // The body replaces this file whole; with no name it is handed back in the result.
    QString bodyFile;
};

struct HttpResult {
    // The two failures the client tells the observer about; any other is only a failure.
    enum class Event { None, InvalidHost, AuthenticationNeeded };

    bool ok = false;
    QByteArray body;  // empty when it went to the file
    QString error;
    Event event = Event::None;
};

// Asynchronous GET: the request starts at once and its one completion comes later from the event
// loop, so a camera that never answers holds nothing but its own cycle.
class HttpClient {
  public:
    using Done = std::function<void(const HttpResult&)>;
    virtual ~HttpClient() = default;
    virtual void get(const HttpRequest& request, Done done) = 0;
};

// "HTTP InvalidHost" or "AutentNeed" in the messages list, when the result carries one.
void reportHttpEvent(const HttpResult& result, MessagesList& messages);

}  // namespace zaq
