#include "win32/kit/pictures.h"

#include "win32/kit/wide_text.h"

#include <windows.h>
// These need windows.h before them.
#include <wincodec.h>
#include <wrl/client.h>

using Microsoft::WRL::ComPtr;

namespace jukewright::win32 {

namespace {

ComPtr<IWICImagingFactory> imagingFactory(HRESULT& result) {
    ComPtr<IWICImagingFactory> factory;
    result = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory));
    return factory;
}

// The first frame of the decoder as a top-down premultiplied 32-bit bitmap.
Picture pictureFrom(IWICImagingFactory& factory, IWICBitmapDecoder& decoder, HRESULT& result) {
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    if (FAILED(result = decoder.GetFrame(0, &frame)) || FAILED(result = factory.CreateFormatConverter(&converter)))
        return {};
    result = converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom);
    UINT width = 0;
    UINT height = 0;
    if (FAILED(result) || FAILED(result = converter->GetSize(&width, &height)))
        return {};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Picture picture{Bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0)),
                    {static_cast<LONG>(width), static_cast<LONG>(height)}};
    if (!picture.bitmap) {
        result = HRESULT_FROM_WIN32(GetLastError());
        return {};
    }
    if (FAILED(result = converter->CopyPixels(nullptr, width * 4, width * height * 4, static_cast<BYTE*>(bits))))
        return {};
    return picture;
}

} // namespace

Picture loadPictureFile(const std::string& path, std::string& error) {
    HRESULT result = S_OK;
    ComPtr<IWICImagingFactory> factory = imagingFactory(result);
    ComPtr<IWICBitmapDecoder> decoder;
    if (SUCCEEDED(result))
        result = factory->CreateDecoderFromFilename(wide(path).c_str(), nullptr, GENERIC_READ,
                                                    WICDecodeMetadataCacheOnDemand, &decoder);
    Picture picture = SUCCEEDED(result) ? pictureFrom(*factory.Get(), *decoder.Get(), result) : Picture{};
    if (!picture)
        error = systemErrorText(static_cast<unsigned long>(result));
    return picture;
}

Picture loadPictureResource(const wchar_t* name) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, name, MAKEINTRESOURCEW(10)); // RT_RCDATA
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    auto* bytes = static_cast<BYTE*>(loaded ? LockResource(loaded) : nullptr);
    if (!bytes)
        return {};
    HRESULT result = S_OK;
    ComPtr<IWICImagingFactory> factory = imagingFactory(result);
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    if (FAILED(result) || FAILED(factory->CreateStream(&stream)) ||
        FAILED(stream->InitializeFromMemory(bytes, SizeofResource(module, resource))) ||
        FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, &decoder)))
        return {};
    return pictureFrom(*factory.Get(), *decoder.Get(), result);
}

void drawPicture(HDC dc, const Picture& picture, const RECT& target) {
    if (!picture)
        return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(source, picture.bitmap.get());
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, source, 0, 0,
               picture.size.cx, picture.size.cy, blend);
    SelectObject(source, previous);
    DeleteDC(source);
}

} // namespace jukewright::win32
