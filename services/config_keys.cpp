#include "services/config_keys.h"

namespace services {

const std::vector<EcdsaP256Key>& CompiledConfigKeys() {
    static const std::vector<EcdsaP256Key> keys{
#include "config_keys.inc"  // generated: one {{0x.., ...}}, line per key
    };
    return keys;
}

}  // namespace services
