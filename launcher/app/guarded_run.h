// The program's outermost guard.
#pragma once

#include <functional>

namespace launcher {

// Runs `body` and returns its exit code. An exception that reaches here is told as
// "Si è verificato un errore imprevisto. Riprovare più tardi." with the
// application's title (never its raw text) and gives exit code 1.
int RunGuarded(const std::function<int()>& body);

}  // namespace launcher
