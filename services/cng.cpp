#include "services/cng.h"

#include "platform/late_bound.h"

namespace services {

bool Cng::Loaded() const {
    return openAlgorithm && closeAlgorithm && getProperty && createHash && hashData && finishHash && destroyHash &&
           importKeyPair && destroyKey && verifySignature;
}

const Cng& TheCng() {
    using platform::LateBound;
    constexpr const wchar_t* kDll = L"bcrypt.dll";
    static const Cng cng{
        LateBound<decltype(::BCryptOpenAlgorithmProvider)>(kDll, "BCryptOpenAlgorithmProvider"),
        LateBound<decltype(::BCryptCloseAlgorithmProvider)>(kDll, "BCryptCloseAlgorithmProvider"),
        LateBound<decltype(::BCryptGetProperty)>(kDll, "BCryptGetProperty"),
        LateBound<decltype(::BCryptCreateHash)>(kDll, "BCryptCreateHash"),
        LateBound<decltype(::BCryptHashData)>(kDll, "BCryptHashData"),
        LateBound<decltype(::BCryptFinishHash)>(kDll, "BCryptFinishHash"),
        LateBound<decltype(::BCryptDestroyHash)>(kDll, "BCryptDestroyHash"),
        LateBound<decltype(::BCryptImportKeyPair)>(kDll, "BCryptImportKeyPair"),
        LateBound<decltype(::BCryptDestroyKey)>(kDll, "BCryptDestroyKey"),
        LateBound<decltype(::BCryptVerifySignature)>(kDll, "BCryptVerifySignature"),
    };
    return cng;
}

}  // namespace services
