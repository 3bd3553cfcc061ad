#include "services/copy_validators.h"

#include <windows.h>

#include <optional>
#include <sstream>

#include "platform/handles.h"
#include "platform/log.h"
#include "platform/text.h"
#include "services/config.h"
#include "services/http_request.h"
#include "services/sha256.h"

namespace services {
namespace {

constexpr std::size_t kFileLimit = 4096;

}  // namespace

std::wstring CopyValidatorsPath(const std::wstring& copyPath) { return copyPath + L".validatori"; }

Validators ReadCopyValidators(const std::wstring& copyPath) {
    const std::optional<std::string> bytes = ReadFileBytes(CopyValidatorsPath(copyPath), kFileLimit);
    if (!bytes) return {};
    std::istringstream lines(*bytes);
    std::string etag, lastModified, sha256;
    for (auto [prefix, value] : {std::pair{"etag=", &etag}, {"last-modified=", &lastModified}, {"sha256=", &sha256}}) {
        std::string line;
        if (!std::getline(lines, line) || !line.starts_with(prefix)) return {};
        *value = line.substr(std::string(prefix).size());
    }
    Validators kept{platform::FromUtf8(etag), platform::FromUtf8(lastModified)};
    const auto usable = [](const std::wstring& v) { return v.empty() || IsSafeHeaderValue(v); };
    if (!usable(kept.etag) || !usable(kept.lastModified) || kept.Empty()) return {};
    if (!MatchesPin(FileSha256(copyPath), platform::FromUtf8(sha256))) return {};
    return kept;
}

void KeepCopyValidators(const std::wstring& copyPath, const Validators& validators) {
    const std::wstring path = CopyValidatorsPath(copyPath);
    const std::wstring digest = FileSha256(copyPath);
    if (validators.Empty() || digest.empty()) {
        ::DeleteFileW(path.c_str());
        return;
    }
    const std::string text = "etag=" + platform::ToUtf8(validators.etag) + "\nlast-modified=" +
                             platform::ToUtf8(validators.lastModified) + "\nsha256=" + platform::ToUtf8(digest) + "\n";
    DWORD written = 0;
    platform::File file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    const bool ok = file && ::WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                    written == text.size();
    const DWORD error = ok ? 0 : ::GetLastError();
    file.reset();
    if (ok) return;
    platform::Log(L"validatori non scritti: " + path + L" " + platform::ErrorText(error));
    ::DeleteFileW(path.c_str());
}

}  // namespace services
