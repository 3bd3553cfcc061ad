// The launcher's own version text: major, minor and revision of its version
// resource joined by "." (3.0.0 for version 3.0.0.x).
#pragma once

#include <string>

namespace launcher {

std::wstring AppVersionText();

}  // namespace launcher
