#include "platform/background.h"

#include <windows.h>

#include <memory>

namespace platform {
namespace {

void CALLBACK RunJob(PTP_CALLBACK_INSTANCE, void* context) {
    const std::unique_ptr<std::function<void()>> job(static_cast<std::function<void()>*>(context));
    (*job)();
}

}  // namespace

bool RunInBackground(std::function<void()> job) {
    auto owned = std::make_unique<std::function<void()>>(std::move(job));
    if (!::TrySubmitThreadpoolCallback(RunJob, owned.get(), nullptr)) return false;
    owned.release();  // RunJob owns it now
    return true;
}

}  // namespace platform
