// A picture shared by reference: a bitmap (bitmap files and JPEG pictures become a
// DIB section, so GetObject reports its own pixel memory) or an icon or cursor.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/handles.h"

namespace forms {

class PictureObject;
using PictureRef = std::shared_ptr<PictureObject>;

// A picture file or resource that cannot be turned into a picture.
class PictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Whether a picture of width x height pixels can be held as a 32-bit bitmap: both
// sides at least 1 pixel and its pixels within the 2 GiB a bitmap may take. A
// picture outside this is no picture.
bool PictureFitsInMemory(std::int64_t width, std::int64_t height) noexcept;

class PictureObject {
public:
    enum class Kind { Bitmap, Icon, Cursor };

    // Bitmap (.bmp), JPEG, PNG or GIF files become a 32-bit DIB section; icon (.ico)
    // and cursor (.cur) files an icon handle. The kind comes from the file's content.
    static PictureRef LoadFile(const std::wstring& path);
    // A resource of the module: RT_BITMAP, RT_GROUP_ICON, RT_GROUP_CURSOR, or any other
    // type holding the bytes of a picture file (RT_RCDATA with a JPEG, for instance).
    static PictureRef LoadResource(HMODULE module, const wchar_t* name, const wchar_t* type);
    // Takes ownership of a bitmap; a device-dependent bitmap is copied into a DIB section.
    static PictureRef FromBitmap(HBITMAP bitmap);
    // Takes ownership of an icon or cursor handle.
    static PictureRef FromIcon(HICON icon, Kind kind = Kind::Icon);

    Kind kind() const noexcept { return kind_; }
    bool IsIconOrCursor() const noexcept { return kind_ != Kind::Bitmap; }
    // The HBITMAP or HICON the picture holds, as the handle value the platform takes.
    HANDLE Handle() const noexcept;
    HBITMAP BitmapHandle() const noexcept { return bitmap_.get(); }
    HICON IconHandle() const noexcept { return icon_.get(); }
    // The file the picture was loaded from; empty for resources and handles.
    const std::wstring& SourcePath() const noexcept { return path_; }

private:
    PictureObject() = default;
    Kind kind_ = Kind::Bitmap;
    platform::Bitmap bitmap_;
    platform::Icon icon_;
    std::wstring path_;
};

}  // namespace forms
