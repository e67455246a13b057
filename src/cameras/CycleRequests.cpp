#include "cameras/CycleRequests.h"

namespace zaq {

void CycleRequests::get(const HttpRequest& request, Then then) {
    open_ = true;
    std::weak_ptr<CycleRequests*> self = self_;
    http_.get(request, [self, epoch = epoch_, then = std::move(then)](const HttpResult& result) {
        const auto alive = self.lock();
        if (!alive) {
            return;
        }
        CycleRequests& requests = **alive;
        requests.open_ = false;
        reportHttpEvent(result, requests.messages_);
        if (epoch == requests.epoch_) {
            then(result);
        }
    });
}

}  // namespace zaq
