// The platform's cryptography (CNG, bcrypt.dll), bound on first use from the system
// folder: most runs neither hash nor verify anything.
#pragma once

#include <windows.h>
#include <bcrypt.h>

namespace services {

struct Cng {
    decltype(::BCryptOpenAlgorithmProvider)* openAlgorithm;
    decltype(::BCryptCloseAlgorithmProvider)* closeAlgorithm;
    decltype(::BCryptGetProperty)* getProperty;
    decltype(::BCryptCreateHash)* createHash;
    decltype(::BCryptHashData)* hashData;
    decltype(::BCryptFinishHash)* finishHash;
    decltype(::BCryptDestroyHash)* destroyHash;
    decltype(::BCryptImportKeyPair)* importKeyPair;
    decltype(::BCryptDestroyKey)* destroyKey;
    decltype(::BCryptVerifySignature)* verifySignature;
    // True when bcrypt.dll has every function above.
    bool Loaded() const;
};

const Cng& TheCng();

}  // namespace services
