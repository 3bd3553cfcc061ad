#include "tests/buttons/button_fixture.h"

#include <cstring>
#include <filesystem>
#include <fstream>

namespace buttons::test {

TempFolder::TempFolder() {
    wchar_t base[MAX_PATH];
    ::GetTempPathW(MAX_PATH, base);
    static int counter = 0;
    path_ = std::wstring(base) + L"qvbuttons_test_" + std::to_wstring(::GetCurrentProcessId()) + L"_" +
            std::to_wstring(++counter);
    std::filesystem::create_directories(std::filesystem::path(path_));
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(path_), ignored);
}

namespace {

template <typename T>
void Put(std::vector<char>& out, T value) {
    // Byte by byte: a resize or range insert here draws GCC 12's false bounds warnings on x86.
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    for (const char byte : bytes) out.push_back(byte);
}

void WriteAll(const std::wstring& path, const std::vector<char>& data) {
    std::ofstream file(std::filesystem::path(path), std::ios::binary);
    file.write(data.data(), static_cast<std::streamsize>(data.size()));
}

}  // namespace

void WriteBmpFile(const std::wstring& path, int width, int height, COLORREF color) {
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> data;
    Put<std::uint16_t>(data, 0x4D42);
    Put<std::uint32_t>(data, 54 + stride * height);
    Put<std::uint32_t>(data, 0);
    Put<std::uint32_t>(data, 54);
    Put<std::uint32_t>(data, 40);
    Put<std::int32_t>(data, width);
    Put<std::int32_t>(data, height);
    Put<std::uint16_t>(data, 1);
    Put<std::uint16_t>(data, 24);
    for (int i = 0; i < 6; ++i) Put<std::uint32_t>(data, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            data.push_back(static_cast<char>(GetBValue(color)));
            data.push_back(static_cast<char>(GetGValue(color)));
            data.push_back(static_cast<char>(GetRValue(color)));
        }
        for (int pad = width * 3; pad < stride; ++pad) data.push_back(0);
    }
    WriteAll(path, data);
}

void WriteIconFile(const std::wstring& path) {
    std::vector<char> data;
    Put<std::uint16_t>(data, 0);
    Put<std::uint16_t>(data, 1);  // icon
    Put<std::uint16_t>(data, 1);  // one image
    data.push_back(16);
    data.push_back(16);
    data.push_back(0);
    data.push_back(0);
    Put<std::uint16_t>(data, 1);
    Put<std::uint16_t>(data, 32);
    Put<std::uint32_t>(data, 40 + 16 * 16 * 4 + 16 * 4);
    Put<std::uint32_t>(data, 22);
    Put<std::uint32_t>(data, 40);
    Put<std::int32_t>(data, 16);
    Put<std::int32_t>(data, 32);
    Put<std::uint16_t>(data, 1);
    Put<std::uint16_t>(data, 32);
    for (int i = 0; i < 6; ++i) Put<std::uint32_t>(data, 0);
    for (int i = 0; i < 16 * 16; ++i) Put<std::uint32_t>(data, 0xFF2040C0);
    for (int i = 0; i < 16; ++i) Put<std::uint32_t>(data, 0);
    WriteAll(path, data);
}

std::unique_ptr<qvButtons_H> MakeButton(HWND host, bool userMode, const forms::PropertyBag* bag, int width,
                                        int height) {
    auto button = std::make_unique<qvButtons_H>();
    button->SetAmbientUserMode(userMode);
    button->SetAmbientDisplayName(L"qvButtons_H1");
    button->Create(host, 10, 10, width, height, bag);
    HostWindow::Pump();
    button->ClearMarkedKeys();
    return button;
}

}  // namespace buttons::test

#include <objbase.h>
#include <wincodec.h>

namespace buttons::test {

void WriteJpegFile(const std::wstring& path, int width, int height, COLORREF color) {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IWICImagingFactory* factory = nullptr;
    IWICStream* stream = nullptr;
    IWICBitmapEncoder* encoder = nullptr;
    IWICBitmapFrameEncode* frame = nullptr;
    ::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                       reinterpret_cast<void**>(&factory));
    if (factory && SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
        SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatJpeg, nullptr, &encoder)) &&
        SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
        SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) && SUCCEEDED(frame->Initialize(nullptr))) {
        frame->SetSize(width, height);
        WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
        frame->SetPixelFormat(&format);
        const UINT stride = static_cast<UINT>(width) * 3;
        std::vector<BYTE> pixels(stride * height);
        for (size_t i = 0; i + 2 < pixels.size(); i += 3) {
            pixels[i] = GetBValue(color);
            pixels[i + 1] = GetGValue(color);
            pixels[i + 2] = GetRValue(color);
        }
        frame->WritePixels(height, stride, static_cast<UINT>(pixels.size()), pixels.data());
        frame->Commit();
        encoder->Commit();
    }
    if (frame) frame->Release();
    if (encoder) encoder->Release();
    if (stream) stream->Release();
    if (factory) factory->Release();
    ::CoUninitialize();
}

}  // namespace buttons::test
