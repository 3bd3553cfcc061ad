// The public keys whose signatures the launcher accepts on its configuration, fixed
// when the program is built: the PEM files of the CMake cache variable
// NORVEL_CONFIG_KEYS, turned into points by cmake/config_keys.cmake.
#pragma once

#include <vector>

#include "services/ecdsa_p256.h"

namespace services {

// The keys in the order the build was given them; empty when it was given none.
const std::vector<EcdsaP256Key>& CompiledConfigKeys();

}  // namespace services
