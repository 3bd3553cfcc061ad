// A fresh folder under the user's temporary folder, removed with everything in it
// when the fixture goes.
#pragma once

#include <filesystem>
#include <string>

namespace testsupport {

class TempFolder {
public:
    // `name` becomes part of the folder name; it may hold any Unicode characters.
    explicit TempFolder(const std::wstring& name = L"norvel");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The folder's path with a file name appended, as Windows text ("C:\...\name").
    std::wstring File(const std::wstring& name) const { return (path_ / name).wstring(); }

private:
    std::filesystem::path path_;
};

// Whole-file helpers for checking results.
std::string ReadWholeFile(const std::filesystem::path& path);
void WriteWholeFile(const std::filesystem::path& path, const std::string& data);

}  // namespace testsupport
