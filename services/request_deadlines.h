// How long a request may take.
#pragma once

#include <windows.h>

namespace services {

// In milliseconds. `request`: a probe or a size query, from the name lookup to the
// answer (10 s). `transfer`: a whole configuration download, or the wait for the
// next byte of a tool download (30 s). Tests shorten them.
struct RequestDeadlines {
    DWORD request = 10000;
    DWORD transfer = 30000;
};
void SetRequestDeadlines(RequestDeadlines deadlines);
RequestDeadlines CurrentRequestDeadlines();

}  // namespace services
