#include "tests/support/temp_folder.h"

#include <windows.h>

#include <atomic>
#include <fstream>
#include <sstream>

namespace testsupport {

TempFolder::TempFolder(const std::wstring& name) {
    static std::atomic<unsigned> counter{0};
    const auto base = std::filesystem::temp_directory_path();
    for (;;) {
        path_ = base / (name + L"-" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(++counter) +
                        L"-" + std::to_wstring(::GetTickCount()));
        if (std::filesystem::create_directories(path_)) break;
    }
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream data;
    data << in.rdbuf();
    return data.str();
}

void WriteWholeFile(const std::filesystem::path& path, const std::string& data) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
}

}  // namespace testsupport
