#include "launcher/app/guarded_run.h"

#include <exception>

#include "launcher/windows/messages.h"
#include "platform/log.h"
#include "platform/message_box.h"

namespace launcher {

int RunGuarded(const std::function<int()>& body) {
    try {
        return body();
    } catch (...) {
        platform::LogFailure(L"l'esecuzione del programma");
        platform::ShowMessage(kUnexpectedError, MB_ICONERROR);
    }
    return 1;
}

}  // namespace launcher
