#pragma once

#include <functional>
#include <memory>

#include "cameras/HttpClient.h"

namespace zaq {

// The requests of one capture cycle: at most one open at a time, its completion dropped when
// the cycle was restarted meanwhile (or the capture is gone), the client's two events said in
// the messages list.
class CycleRequests {
  public:
    using Then = std::function<void(const HttpResult&)>;

    CycleRequests(HttpClient& http, MessagesList& messages) : http_(http), messages_(messages) {}

    bool open() const { return open_; }
    void get(const HttpRequest& request, Then then);
    // A request still open finishes unheard; the next tick starts afresh.
    void restart() { ++epoch_; }

  private:
    HttpClient& http_;
    MessagesList& messages_;
    bool open_ = false;
    int epoch_ = 0;
    std::shared_ptr<CycleRequests*> self_ = std::make_shared<CycleRequests*>(this);
};

}  // namespace zaq
