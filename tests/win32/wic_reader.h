#pragma once

// Reads a picture file back with the system's imaging component, as viewers and the picture-open dialog do.
#include <ole2.h>
#include <wincodec.h>
#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace pixo {

// COM and OLE on the calling thread for as long as it lives, which the imaging component, the clipboard and
// the dialogs need.
class ComThread {
  public:
    ComThread() : ok_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~ComThread() {
        if (ok_)
            OleUninitialize();
    }
    ComThread(const ComThread&) = delete;
    ComThread& operator=(const ComThread&) = delete;

  private:
    bool ok_;
};

struct DecodedPicture {
    UINT width = 0;
    UINT height = 0;
    std::vector<std::uint32_t> pixels;  // 0xAARRGGBB, top row first
};

// The file in memory, decoded and converted to 32-bit BGRA; nothing when the component cannot read it. The
// calling thread must have started COM.
inline std::optional<DecodedPicture> ReadWithWic(std::span<const std::uint8_t> file) {
    IWICImagingFactory* factory = nullptr;
    IWICStream* stream = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICFormatConverter* converter = nullptr;
    DecodedPicture picture;
    bool read =
        SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                   reinterpret_cast<void**>(&factory))) &&
        SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromMemory(const_cast<BYTE*>(file.data()), static_cast<DWORD>(file.size()))) &&
        SUCCEEDED(factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand, &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(frame->GetSize(&picture.width, &picture.height)) &&
        SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
        SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                        WICBitmapPaletteTypeCustom));
    if (read) {
        picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height);
        read = SUCCEEDED(converter->CopyPixels(nullptr, picture.width * 4, static_cast<UINT>(picture.pixels.size() * 4),
                                               reinterpret_cast<BYTE*>(picture.pixels.data())));
    }
    for (IUnknown* object : std::initializer_list<IUnknown*>{converter, frame, decoder, stream, factory}) {
        if (object != nullptr)
            object->Release();
    }
    if (!read)
        return std::nullopt;
    return picture;
}

}  // namespace pixo
