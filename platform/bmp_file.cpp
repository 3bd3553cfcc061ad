#include "platform/bmp_file.h"

#include <cstring>
#include <vector>

#include "platform/handles.h"

namespace platform {

bool WriteBmp24(HDC source, int x, int y, int width, int height, const std::wstring& path) {
    const int stride = ((width * 3) + 3) & ~3;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as BMP files keep their rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<BYTE> pixels(static_cast<size_t>(stride) * height);
    if (width > 0 && height > 0) {
        void* bits = nullptr;
        Bitmap dib(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        MemoryDC dc(::CreateCompatibleDC(source));
        if (!dib || !dc || !bits) return false;
        {
            ScopedSelect select(dc.get(), dib.get());
            ::BitBlt(dc.get(), 0, 0, width, height, source, x, y, SRCCOPY);
            ::GdiFlush();
            std::memcpy(pixels.data(), bits, pixels.size());
        }
    }
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    header.bfSize = header.bfOffBits + static_cast<DWORD>(pixels.size());
    info.bmiHeader.biSizeImage = static_cast<DWORD>(pixels.size());
    File file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                      nullptr));
    if (!file) return false;
    DWORD written = 0;
    bool ok = ::WriteFile(file.get(), &header, sizeof header, &written, nullptr) && written == sizeof header;
    ok = ok && ::WriteFile(file.get(), &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr) &&
         written == sizeof info.bmiHeader;
    if (ok && !pixels.empty())
        ok = ::WriteFile(file.get(), pixels.data(), static_cast<DWORD>(pixels.size()), &written, nullptr) &&
             written == pixels.size();
    return ok;
}

}  // namespace platform
