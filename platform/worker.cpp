#include "platform/worker.h"

#include "platform/log.h"

namespace platform {

void Worker::Start(std::function<void(const CancelEvent& cancel)> job) {
    Stop();
    cancel_.Reset();
    thread_ = std::thread([this, job = std::move(job)] {
        try {
            job(cancel_);
        } catch (...) {
            LogFailure(L"un lavoro in background");
        }
    });
}

void Worker::Join() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace platform
