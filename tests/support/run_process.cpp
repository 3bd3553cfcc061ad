#include "tests/support/run_process.h"

#include "platform/handles.h"

namespace testsupport {

DWORD RunAndWait(std::wstring commandLine, DWORD timeoutMs) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return 0xFFFFFFFF;
    const platform::File process(pi.hProcess), thread(pi.hThread);
    ::WaitForSingleObject(process.get(), timeoutMs);
    DWORD code = 0xFFFFFFFF;
    ::GetExitCodeProcess(process.get(), &code);
    return code;
}

}  // namespace testsupport
