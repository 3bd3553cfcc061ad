// Shorter request deadlines for the scope of a test, and the old ones back after it.
#pragma once

#include "services/request_deadlines.h"

namespace testsupport {

class ScopedDeadlines {
public:
    explicit ScopedDeadlines(services::RequestDeadlines shorter) : old_(services::CurrentRequestDeadlines()) {
        services::SetRequestDeadlines(shorter);
    }
    ~ScopedDeadlines() { services::SetRequestDeadlines(old_); }

private:
    services::RequestDeadlines old_;
};

}  // namespace testsupport
