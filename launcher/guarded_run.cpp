#include "launcher/guarded_run.h"

#include <exception>

#include "launcher/messages.h"
#include "platform/message_box.h"

namespace launcher {

int RunGuarded(const std::function<int()>& body) {
    try {
        return body();
    } catch (const std::exception&) {
        platform::ShowMessage(kUnexpectedError, MB_ICONERROR);
    } catch (...) {
        platform::ShowMessage(kUnexpectedError, MB_ICONERROR);
    }
    return 1;
}

}  // namespace launcher
