#include "services/request_deadlines.h"

#include <mutex>

namespace services {
namespace {

std::mutex g_deadlinesMutex;
RequestDeadlines g_deadlines;

}  // namespace

void SetRequestDeadlines(RequestDeadlines deadlines) {
    std::lock_guard lock(g_deadlinesMutex);
    g_deadlines = deadlines;
}

RequestDeadlines CurrentRequestDeadlines() {
    std::lock_guard lock(g_deadlinesMutex);
    return g_deadlines;
}

}  // namespace services
