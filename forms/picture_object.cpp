#include "forms/picture_object.h"

#include <objbase.h>
#include <wincodec.h>

#include <cstring>
#include <vector>

namespace forms {
namespace {

// COM for the imaging component on this thread, for the length of one load.
class ComScope {
public:
    ComScope() : hr_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() { if (SUCCEEDED(hr_)) ::CoUninitialize(); }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT hr_;
};

template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { if (p_) p_->Release(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T* operator->() const noexcept { return p_; }
    T* get() const noexcept { return p_; }
    T** put() noexcept { return &p_; }

private:
    T* p_ = nullptr;
};

void Check(HRESULT hr, const char* what) {
    if (FAILED(hr)) throw PictureError(what);
}

// Decodes the first frame of a picture file held in memory into a top-down 32-bit DIB section.
HBITMAP DecodeToDib(const BYTE* data, DWORD size) {
    ComScope com;
    ComPtr<IWICImagingFactory> factory;
    Check(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                             reinterpret_cast<void**>(factory.put())),
          "Imaging component not available");
    ComPtr<IWICStream> stream;
    Check(factory->CreateStream(stream.put()), "Invalid picture");
    Check(stream->InitializeFromMemory(const_cast<BYTE*>(data), size), "Invalid picture");
    ComPtr<IWICBitmapDecoder> decoder;
    Check(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand, decoder.put()),
          "Invalid picture");
    ComPtr<IWICBitmapFrameDecode> frame;
    Check(decoder->GetFrame(0, frame.put()), "Invalid picture");
    ComPtr<IWICFormatConverter> converter;
    Check(factory->CreateFormatConverter(converter.put()), "Invalid picture");
    Check(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                                WICBitmapPaletteTypeCustom),
          "Invalid picture");
    UINT width = 0, height = 0;
    Check(converter->GetSize(&width, &height), "Invalid picture");
    if (width > 32767 || height > 32767 || !PictureFitsInMemory(width, height)) throw PictureError("Invalid picture");

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    platform::Bitmap dib(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib || !bits) throw PictureError("Out of memory");
    const UINT stride = width * 4;  // stride x height fits: PictureFitsInMemory
    Check(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)), "Invalid picture");
    return dib.release();
}

std::vector<BYTE> ReadWholeFile(const std::wstring& path) {
    platform::File file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) throw PictureError("File not found");
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart > 64 * 1024 * 1024) throw PictureError("Invalid picture");
    std::vector<BYTE> data(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!data.empty() && (!::ReadFile(file.get(), data.data(), static_cast<DWORD>(data.size()), &read, nullptr) ||
                          read != data.size()))
        throw PictureError("Invalid picture");
    return data;
}

// Icon and cursor files start with a reserved 0 and the resource type 1 or 2.
int IconFileType(const std::vector<BYTE>& data) {
    if (data.size() < 6 || data[0] != 0 || data[1] != 0 || data[3] != 0) return 0;
    return data[2] == 1 || data[2] == 2 ? data[2] : 0;
}

}  // namespace

bool PictureFitsInMemory(std::int64_t width, std::int64_t height) noexcept {
    constexpr std::int64_t kMaxBitmapBytes = 0x7FFFFFFF;
    return width > 0 && height > 0 && width <= kMaxBitmapBytes / 4 / height;
}

HANDLE PictureObject::Handle() const noexcept {
    return kind_ == Kind::Bitmap ? static_cast<HANDLE>(bitmap_.get()) : static_cast<HANDLE>(icon_.get());
}

PictureRef PictureObject::LoadFile(const std::wstring& path) {
    std::vector<BYTE> data = ReadWholeFile(path);
    PictureRef picture;
    if (int iconType = IconFileType(data)) {
        const UINT type = iconType == 1 ? IMAGE_ICON : IMAGE_CURSOR;
        HICON icon = static_cast<HICON>(::LoadImageW(nullptr, path.c_str(), type, 0, 0, LR_LOADFROMFILE));
        if (!icon) throw PictureError("Invalid picture");
        picture = FromIcon(icon, iconType == 1 ? Kind::Icon : Kind::Cursor);
    } else {
        picture = PictureRef(new PictureObject());
        picture->bitmap_.reset(DecodeToDib(data.data(), static_cast<DWORD>(data.size())));
    }
    picture->path_ = path;
    return picture;
}

PictureRef PictureObject::LoadResource(HMODULE module, const wchar_t* name, const wchar_t* type) {
    if (type == RT_BITMAP) {
        HANDLE bitmap = ::LoadImageW(module, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
        if (!bitmap) throw PictureError("Invalid picture");
        return FromBitmap(static_cast<HBITMAP>(bitmap));
    }
    if (type == RT_GROUP_ICON || type == RT_GROUP_CURSOR) {
        const bool icon = type == RT_GROUP_ICON;
        HANDLE handle = ::LoadImageW(module, name, icon ? IMAGE_ICON : IMAGE_CURSOR, 0, 0, 0);
        if (!handle) throw PictureError("Invalid picture");
        return FromIcon(static_cast<HICON>(handle), icon ? Kind::Icon : Kind::Cursor);
    }
    HRSRC info = ::FindResourceW(module, name, type);
    HGLOBAL loaded = info ? ::LoadResource(module, info) : nullptr;
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    if (!bytes) throw PictureError("Invalid picture");
    const DWORD size = ::SizeofResource(module, info);
    PictureRef picture(new PictureObject());
    picture->bitmap_.reset(DecodeToDib(static_cast<const BYTE*>(bytes), size));
    return picture;
}

PictureRef PictureObject::FromBitmap(HBITMAP bitmap) {
    platform::Bitmap owned(bitmap);
    DIBSECTION section{};
    PictureRef picture(new PictureObject());
    if (::GetObjectW(bitmap, sizeof section, &section) == sizeof section && section.dsBm.bmBits) {
        picture->bitmap_ = std::move(owned);
        return picture;
    }
    // A device-dependent bitmap: copy it into a DIB section of the same size.
    HANDLE copy = ::CopyImage(bitmap, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    if (!copy) throw PictureError("Invalid picture");
    picture->bitmap_.reset(static_cast<HBITMAP>(copy));
    return picture;
}

PictureRef PictureObject::FromIcon(HICON icon, Kind kind) {
    PictureRef picture(new PictureObject());
    picture->kind_ = kind == Kind::Bitmap ? Kind::Icon : kind;
    picture->icon_.reset(icon);
    return picture;
}

}  // namespace forms
