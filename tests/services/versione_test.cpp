// The version reader on PE files the build makes with the resource compiler and
// on Wine's own system DLLs, the latter checked against a reading of the raw
// version resource written here.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <vector>

#include "platform/handles.h"
#include "platform/message_box.h"
#include "services/versione.h"
#include "tests/support/temp_folder.h"

namespace {

using services::FileVersionRecord;

// The folder of this test program, where the build puts the fixtures.
std::filesystem::path FixtureFolder() {
    wchar_t path[MAX_PATH * 4];
    const DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    return std::filesystem::path(std::wstring(path, n)).parent_path();
}

std::wstring Fixture(const std::wstring& name) { return (FixtureFolder() / (name + L".exe")).wstring(); }

// Records the messages ReadFileVersion shows instead of showing them.
class MessageLog {
public:
    MessageLog() {
        previous_ = platform::ReplaceMessageBox([this](const std::wstring& text, const std::wstring& title, UINT) {
            texts.push_back(text);
            titles.push_back(title);
        });
    }
    ~MessageLog() { platform::ReplaceMessageBox(std::move(previous_)); }
    std::vector<std::wstring> texts;
    std::vector<std::wstring> titles;

private:
    platform::MessageSink previous_;
};

void ExpectEmpty(const FileVersionRecord& r) {
    EXPECT_EQ(r.StructVersion, L"");
    EXPECT_EQ(r.FileVersion, L"");
    EXPECT_EQ(r.ProductVersion, L"");
    EXPECT_EQ(r.FileFlags, L"");
    EXPECT_EQ(r.FileOS, L"");
    EXPECT_EQ(r.FileType, L"");
    EXPECT_EQ(r.FileSubtype, L"");
}

struct Expected {
    const wchar_t* file;
    const wchar_t* fileVersion;
    const wchar_t* productVersion;
    const wchar_t* flags;
    const wchar_t* os;
    const wchar_t* type;
    const wchar_t* subtype;
};

// Values by the naming rules, for the fixtures made in CMakeLists.txt.
const Expected kFixtures[] = {
    {L"ver_app_5201", L"5.2.0.1", L"5.2.0.1", L"Debug PreRel", L"NT-Win32", L"App", L""},
    {L"ver_dll_10_19041", L"10.0.19041.1", L"10.0.19041.1", L"", L"NT-Win32", L"DLL", L""},
    {L"ver_display_negative", L"-1.-25536.-32768.32767", L"1.-1.0.2", L"Special", L"DOS-Win16", L"Driver",
     L"Display drv"},
    {L"ver_driver_sub11", L"1.0.0.0", L"1.0.0.0", L"Debug PreRel Patched Private Info Special", L"DOS-Win32",
     L"Driver", L""},
    {L"ver_driver_sub0", L"2.0.0.0", L"2.0.0.0", L"", L"OS/2-16 PM-16", L"Driver", L"Unknown"},
    {L"ver_font", L"3.0.0.0", L"3.0.0.0", L"Patched", L"OS/2-16 PM-32", L"Font", L""},
    {L"ver_vxd", L"4.0.0.0", L"4.0.0.0", L"Private", L"Unknown", L"VxD", L""},
    {L"ver_type6", L"6.0.0.0", L"6.0.0.0", L"Info", L"Unknown", L"Unknown", L""},
    {L"ver_lib", L"7.0.0.0", L"7.0.0.0", L"", L"NT-Win32", L"Lib", L""},
};

TEST(ReadFileVersion, FixturesMadeByTheResourceCompiler) {
    MessageLog log;
    for (const Expected& e : kFixtures) {
        SCOPED_TRACE(e.file);
        const FileVersionRecord r = services::ReadFileVersion(Fixture(e.file));
        EXPECT_EQ(r.StructVersion, L"1.0");
        EXPECT_EQ(r.FileVersion, e.fileVersion);
        EXPECT_EQ(r.ProductVersion, e.productVersion);
        EXPECT_EQ(r.FileFlags, e.flags);
        EXPECT_EQ(r.FileOS, e.os);
        EXPECT_EQ(r.FileType, e.type);
        EXPECT_EQ(r.FileSubtype, e.subtype);
    }
    EXPECT_TRUE(log.texts.empty());
}

// No usable version: an empty record and no box (the launch decides what is shown).
TEST(ReadFileVersion, NoVersionResourceGivesAnEmptyRecordAndNoBox) {
    MessageLog log;
    const FileVersionRecord r = services::ReadFileVersion(Fixture(L"ver_none"));
    ExpectEmpty(r);
    EXPECT_EQ(r.FileVersion, L"");  // equals an empty "versione" of the configuration
    std::wstring failure;
    EXPECT_FALSE(services::ReadFixedFileInfo(Fixture(L"ver_none"), &failure));
    EXPECT_EQ(L"nessuna informazione di versione", failure);
    EXPECT_TRUE(log.texts.empty());
}

TEST(ReadFileVersion, MissingFileOrNoProgramShowsNoBox) {
    MessageLog log;
    testsupport::TempFolder folder;
    ExpectEmpty(services::ReadFileVersion(folder.File(L"absent.exe")));
    testsupport::WriteWholeFile(folder.Path() / L"text.exe", "not a program");
    ExpectEmpty(services::ReadFileVersion(folder.File(L"text.exe")));
    EXPECT_TRUE(log.texts.empty());
}

// A version resource without its fixed block (written into a copy of the
// resource-less fixture): the root block is too short to be a VS_FIXEDFILEINFO.
TEST(ReadFileVersion, VersionResourceWithoutFixedBlock) {
    testsupport::TempFolder folder;
    const std::wstring copy = folder.File(L"nofixed.exe");
    ASSERT_TRUE(::CopyFileW(Fixture(L"ver_none").c_str(), copy.c_str(), FALSE));
    std::vector<BYTE> block(40, 0);
    const WORD header[3] = {40, 0, 0};  // wLength, wValueLength, wType
    std::memcpy(block.data(), header, sizeof(header));
    std::memcpy(block.data() + 6, L"VS_VERSION_INFO", 32);
    HANDLE update = ::BeginUpdateResourceW(copy.c_str(), FALSE);
    ASSERT_NE(update, nullptr);
    ASSERT_TRUE(::UpdateResourceW(update, RT_VERSION, MAKEINTRESOURCEW(1), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                                  block.data(), static_cast<DWORD>(block.size())));
    ASSERT_TRUE(::EndUpdateResourceW(update, FALSE));

    MessageLog log;
    ExpectEmpty(services::ReadFileVersion(copy));
    EXPECT_TRUE(log.texts.empty());
}

TEST(ReadFileVersion, FileInAFolderOutsideTheAnsiCodePage) {
    testsupport::TempFolder folder(L"Ωμέγα-测试");
    const std::wstring copy = folder.File(L"strumento-€.exe");
    ASSERT_TRUE(::CopyFileW(Fixture(L"ver_app_5201").c_str(), copy.c_str(), FALSE));
    MessageLog log;
    EXPECT_EQ(services::ReadFileVersion(copy).FileVersion, L"5.2.0.1");
    EXPECT_TRUE(log.texts.empty());
}

// --- Wine's system DLLs, against an independent reading of their resource ---

std::wstring SignedWord(DWORD value, int shift) {
    const int w = static_cast<int>((value >> shift) & 0xFFFF);
    return std::to_wstring(w >= 0x8000 ? w - 0x10000 : w);
}

std::wstring Dotted(DWORD ms, DWORD ls) {
    return SignedWord(ms, 16) + L"." + SignedWord(ms, 0) + L"." + SignedWord(ls, 16) + L"." + SignedWord(ls, 0);
}

FileVersionRecord ExpectedFromFixedBlock(const DWORD f[13]) {
    // f: signature, struc version, file MS, file LS, product MS, product LS, flags mask,
    // flags, OS, type, subtype, date MS, date LS.
    static const std::map<DWORD, std::wstring> os = {{0x00010001, L"DOS-Win16"},
                                                     {0x00010004, L"DOS-Win32"},
                                                     {0x00020002, L"OS/2-16 PM-16"},
                                                     {0x00030003, L"OS/2-16 PM-32"},
                                                     {0x00040004, L"NT-Win32"}};
    static const std::map<DWORD, std::wstring> type = {{1, L"App"}, {2, L"DLL"}, {3, L"Driver"},
                                                       {4, L"Font"}, {5, L"VxD"}, {7, L"Lib"}};
    static const wchar_t* drivers[] = {L"Unknown",     L"Printer drv", L"Keyboard drv", L"Language drv",
                                       L"Display drv", L"Mouse drv",   L"Network drv",  L"System drv",
                                       L"Installable", L"Sound drv",   L"Comm drv"};
    static const wchar_t* flags[] = {L"Debug", L"PreRel", L"Patched", L"Private", L"Info", L"Special"};
    FileVersionRecord r;
    r.StructVersion = SignedWord(f[1], 16) + L"." + SignedWord(f[1], 0);
    r.FileVersion = Dotted(f[2], f[3]);
    r.ProductVersion = Dotted(f[4], f[5]);
    for (int bit = 0; bit < 6; ++bit) {
        if (!(f[7] & (1u << bit))) continue;
        if (!r.FileFlags.empty()) r.FileFlags += L" ";
        r.FileFlags += flags[bit];
    }
    r.FileOS = os.count(f[8]) ? os.at(f[8]) : L"Unknown";
    r.FileType = type.count(f[9]) ? type.at(f[9]) : L"Unknown";
    if (f[9] == 3 && f[10] <= 10) r.FileSubtype = drivers[f[10]];
    return r;
}

// Finds the fixed block in the module's raw version resource by its signature.
bool ReadFixedBlock(const std::wstring& path, DWORD out[13]) {
    platform::Module module(::LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (!module) return false;
    HRSRC res = ::FindResourceW(module.get(), MAKEINTRESOURCEW(1), RT_VERSION);
    if (!res) return false;
    const DWORD size = ::SizeofResource(module.get(), res);
    const BYTE* data = static_cast<const BYTE*>(::LockResource(::LoadResource(module.get(), res)));
    if (!data) return false;
    for (DWORD at = 0; at + 52 <= size; at += 4) {
        DWORD signature;
        std::memcpy(&signature, data + at, 4);
        if (signature == 0xFEEF04BD) {
            std::memcpy(out, data + at, 52);
            return true;
        }
    }
    return false;
}

TEST(ReadFileVersion, WineSystemDllsAgreeWithTheirRawVersionResource) {
    wchar_t system[MAX_PATH];
    ::GetSystemDirectoryW(system, MAX_PATH);
    int checked = 0;
    MessageLog log;
    for (const wchar_t* dll : {L"kernel32.dll", L"user32.dll", L"gdi32.dll", L"wininet.dll", L"version.dll",
                               L"shell32.dll", L"comctl32.dll", L"ole32.dll", L"advapi32.dll", L"msvcrt.dll"}) {
        const std::wstring path = std::wstring(system) + L"\\" + dll;
        DWORD fixed[13];
        if (!ReadFixedBlock(path, fixed)) continue;
        SCOPED_TRACE(path);
        const FileVersionRecord expected = ExpectedFromFixedBlock(fixed);
        const FileVersionRecord r = services::ReadFileVersion(path);
        EXPECT_EQ(r.StructVersion, expected.StructVersion);
        EXPECT_EQ(r.FileVersion, expected.FileVersion);
        EXPECT_EQ(r.ProductVersion, expected.ProductVersion);
        EXPECT_EQ(r.FileFlags, expected.FileFlags);
        EXPECT_EQ(r.FileOS, expected.FileOS);
        EXPECT_EQ(r.FileType, expected.FileType);
        EXPECT_EQ(r.FileSubtype, expected.FileSubtype);
        EXPECT_FALSE(r.FileVersion.empty());
        ++checked;
    }
    EXPECT_GE(checked, 5);
    EXPECT_TRUE(log.texts.empty());
}

}  // namespace
