#include "services/versione.h"

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/log.h"


namespace services {
namespace {

// A 16-bit word as the signed number it is written as (65535 is -1).
std::wstring Word(WORD w) { return std::to_wstring(static_cast<std::int16_t>(w)); }

std::wstring FourPart(DWORD ms, DWORD ls) {
    return Word(HIWORD(ms)) + L"." + Word(LOWORD(ms)) + L"." + Word(HIWORD(ls)) + L"." + Word(LOWORD(ls));
}

std::wstring FlagNames(DWORD flags) {
    static const wchar_t* const kNames[] = {L" Debug", L" PreRel", L" Patched", L" Private", L" Info", L" Special"};
    std::wstring names;
    for (int bit = 0; bit < 6; ++bit)
        if (flags & (1u << bit)) names += kNames[bit];
    if (!names.empty()) names.erase(0, 1);
    return names;
}

std::wstring OsName(DWORD os) {
    switch (os) {
    case 0x00010001: return L"DOS-Win16";
    case 0x00010004: return L"DOS-Win32";
    case 0x00020002: return L"OS/2-16 PM-16";
    case 0x00030003: return L"OS/2-16 PM-32";
    case 0x00040004: return L"NT-Win32";
    default: return L"Unknown";
    }
}

std::wstring TypeName(DWORD type) {
    switch (type) {
    case 1: return L"App";
    case 2: return L"DLL";
    case 3: return L"Driver";
    case 4: return L"Font";
    case 5: return L"VxD";
    case 7: return L"Lib";
    default: return L"Unknown";
    }
}

std::wstring DriverName(DWORD subtype) {
    static const wchar_t* const kNames[] = {L"Unknown",     L"Printer drv", L"Keyboard drv", L"Language drv",
                                            L"Display drv", L"Mouse drv",   L"Network drv",  L"System drv",
                                            L"Installable", L"Sound drv",   L"Comm drv"};
    return subtype <= 10 ? kNames[subtype] : L"";
}

}  // namespace

std::optional<VS_FIXEDFILEINFO> ReadFixedFileInfo(const std::wstring& fileName, std::wstring* failure) {
    auto fail = [failure](const wchar_t* message) {
        if (failure) *failure = message;
        return std::nullopt;
    };
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(fileName.c_str(), &ignored);
    if (size == 0) return fail(L"nessuna informazione di versione");
    std::vector<BYTE> info(size);
    if (!::GetFileVersionInfoW(fileName.c_str(), 0, size, info.data()))
        return fail(L"informazioni di versione illeggibili");
    void* block = nullptr;
    UINT blockSize = 0;
    // A root block shorter than the structure would be read past its end.
    if (!::VerQueryValueW(info.data(), L"\\", &block, &blockSize) || !block || blockSize < sizeof(VS_FIXEDFILEINFO))
        return fail(L"blocco di versione fisso illeggibile");
    VS_FIXEDFILEINFO fixed;
    static_assert(sizeof(fixed) == 52);
    std::memcpy(&fixed, block, sizeof(fixed));
    return fixed;
}

FileVersionRecord ReadFileVersion(std::wstring fileName) {
    FileVersionRecord record;
    std::wstring failure;
    const std::optional<VS_FIXEDFILEINFO> read = ReadFixedFileInfo(fileName, &failure);
    if (!read) {
        platform::Log(L"versione di " + fileName + L": " + failure);
        return record;
    }
    const VS_FIXEDFILEINFO& fixed = *read;

    record.StructVersion = Word(HIWORD(fixed.dwStrucVersion)) + L"." + Word(LOWORD(fixed.dwStrucVersion));
    record.FileVersion = FourPart(fixed.dwFileVersionMS, fixed.dwFileVersionLS);
    record.ProductVersion = FourPart(fixed.dwProductVersionMS, fixed.dwProductVersionLS);
    record.FileFlags = FlagNames(fixed.dwFileFlags);
    record.FileOS = OsName(fixed.dwFileOS);
    record.FileType = TypeName(fixed.dwFileType);
    if (fixed.dwFileType == 3) record.FileSubtype = DriverName(fixed.dwFileSubtype);
    return record;
}

}  // namespace services
