#include "platform/win32/win32_picture_encoder.h"

#include <objbase.h>
#include <wincodec.h>
#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <new>
#include <string>

#include "platform/win32/com_ptr.h"
#include "platform/win32/system_error.h"

namespace pixo {
namespace {

// Rows handed to the encoder at once: a strip of a 7680-pixel-wide screen is 1.5 MB.
constexpr int kStripRows = 64;

// Chunks the encoder may write of its own accord that tell viewers how to show the colours. Screen pixels are
// shown as they are, which is what a file without them asks for.
constexpr const wchar_t* kColourChunks[] = {L"/sRGB/RenderingIntent", L"/gAMA/ImageGamma"};

// COM on this thread for as long as it lives, unless the thread had it already.
class ComForThisThread {
  public:
    ComForThisThread() : started_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {}
    ComForThisThread(const ComForThisThread&) = delete;
    ComForThisThread& operator=(const ComForThisThread&) = delete;
    ~ComForThisThread() {
        if (started_)
            CoUninitialize();
    }

  private:
    bool started_;  // S_OK or S_FALSE: each needs its CoUninitialize
};

// The stream the encoder writes the file into: the caller's vector, grown as vectors grow. (The system's stream
// on global memory grows by each write's size, copying all it holds every time: quadratic in the file's size,
// seconds for a large one, and under the process heap's lock, where the window's thread would wait for it.)
class VectorStream final : public IStream {
  public:
    explicit VectorStream(std::vector<std::uint8_t>& bytes) : bytes_(bytes) { bytes_.clear(); }
    VectorStream(const VectorStream&) = delete;
    VectorStream& operator=(const VectorStream&) = delete;
    virtual ~VectorStream() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (object == nullptr)
            return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_ISequentialStream) ||
            IsEqualIID(riid, IID_IStream)) {
            *object = static_cast<IStream*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // Lives on the stack of EncodePng, which outlives every reference the encoder takes.
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }

    HRESULT STDMETHODCALLTYPE Read(void* into, ULONG count, ULONG* read) override {
        const std::size_t available = position_ < bytes_.size() ? bytes_.size() - position_ : 0;
        const ULONG taken = static_cast<ULONG>(std::min<std::size_t>(count, available));
        if (taken > 0)
            std::memcpy(into, bytes_.data() + position_, taken);
        position_ += taken;
        if (read != nullptr)
            *read = taken;
        return taken == count ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Write(const void* from, ULONG count, ULONG* written) override {
        if (position_ + count > bytes_.size() && !Grow(position_ + count))
            return E_OUTOFMEMORY;
        if (count > 0)
            std::memcpy(bytes_.data() + position_, from, count);
        position_ += count;
        if (written != nullptr)
            *written = count;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* now) override {
        const long long base = origin == STREAM_SEEK_SET   ? 0
                               : origin == STREAM_SEEK_CUR ? static_cast<long long>(position_)
                                                           : static_cast<long long>(bytes_.size());
        if (origin > STREAM_SEEK_END || base + move.QuadPart < 0)
            return STG_E_INVALIDFUNCTION;
        position_ = static_cast<std::size_t>(base + move.QuadPart);
        if (now != nullptr)
            now->QuadPart = position_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER size) override {
        return Grow(static_cast<std::size_t>(size.QuadPart)) ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Revert() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
        return STG_E_INVALIDFUNCTION;
    }
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
        return STG_E_INVALIDFUNCTION;
    }
    HRESULT STDMETHODCALLTYPE Stat(STATSTG* stat, DWORD) override {
        if (stat == nullptr)
            return E_POINTER;
        *stat = STATSTG{};
        stat->type = STGTY_STREAM;
        stat->cbSize.QuadPart = bytes_.size();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IStream**) override { return E_NOTIMPL; }

  private:
    // No exception may leave a COM call: a vector that cannot grow is the encoder's failure.
    bool Grow(std::size_t size) {
        try {
            bytes_.resize(size);
            return true;
        } catch (const std::bad_alloc&) {
            return false;
        }
    }

    std::vector<std::uint8_t>& bytes_;
    std::size_t position_ = 0;
    ULONG references_ = 1;
};

PlatformError Error(HRESULT result, const char* whatFailed) {
    return SystemError(static_cast<std::uint32_t>(result), whatFailed);
}

// The bitmap's rows from `top` on, as 24-bit BGR.
void ToBgr(const Bitmap& bitmap, int top, int rows, std::vector<BYTE>& strip) {
    const auto width = static_cast<std::size_t>(bitmap.Width());
    BYTE* out = strip.data();
    for (int y = top; y < top + rows; ++y) {
        const Pixel* row = bitmap.Row(y);
        for (std::size_t x = 0; x < width; ++x) {
            const Pixel p = row[x];
            *out++ = static_cast<BYTE>(p);
            *out++ = static_cast<BYTE>(p >> 8);
            *out++ = static_cast<BYTE>(p >> 16);
        }
    }
}

// Sets up the frame: size, 24-bit pixels, no colour chunks.
Failure PrepareFrame(IWICBitmapFrameEncode& frame, IPropertyBag2* options, const Bitmap& bitmap) {
    HRESULT result = frame.Initialize(options);
    if (SUCCEEDED(result))
        result = frame.SetSize(static_cast<UINT>(bitmap.Width()), static_cast<UINT>(bitmap.Height()));
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (SUCCEEDED(result))
        result = frame.SetPixelFormat(&format);
    if (FAILED(result))
        return Error(result, "The imaging component could not begin the PNG file");
    if (!IsEqualGUID(format, GUID_WICPixelFormat24bppBGR))
        return PlatformError{0, "The imaging component does not write 24-bit PNG files"};
    ComPtr<IWICMetadataQueryWriter> metadata;
    if (SUCCEEDED(frame.GetMetadataQueryWriter(metadata.Put()))) {
        for (const wchar_t* chunk : kColourChunks)
            metadata->RemoveMetadataByName(chunk);  // fails harmlessly where the encoder wrote no such chunk
    }
    return std::nullopt;
}

Failure WritePixels(IWICBitmapFrameEncode& frame, const Bitmap& bitmap) {
    const UINT stride = static_cast<UINT>(bitmap.Width()) * 3;
    std::vector<BYTE> strip(static_cast<std::size_t>(stride) * kStripRows);
    for (int top = 0; top < bitmap.Height(); top += kStripRows) {
        const int rows = std::min(kStripRows, bitmap.Height() - top);
        ToBgr(bitmap, top, rows, strip);
        const UINT bytes = stride * static_cast<UINT>(rows);
        if (const HRESULT result = frame.WritePixels(static_cast<UINT>(rows), stride, bytes, strip.data());
            FAILED(result))
            return Error(result, "The imaging component could not take the pixels");
    }
    return std::nullopt;
}

Failure Encode(const Bitmap& bitmap, std::vector<std::uint8_t>& png) {
    VectorStream stream(png);
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    ComPtr<IPropertyBag2> options;
    HRESULT result = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                      factory.PutVoid());
    if (SUCCEEDED(result))
        result = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Put());
    if (SUCCEEDED(result))
        result = encoder->Initialize(&stream, WICBitmapEncoderNoCache);
    if (SUCCEEDED(result))
        result = encoder->CreateNewFrame(frame.Put(), options.Put());
    if (FAILED(result))
        return Error(result, "The imaging component could not make a PNG file");
    if (Failure failure = PrepareFrame(*frame.Get(), options.Get(), bitmap))
        return failure;
    if (Failure failure = WritePixels(*frame.Get(), bitmap))
        return failure;
    result = frame->Commit();
    if (SUCCEEDED(result))
        result = encoder->Commit();
    if (FAILED(result))
        return Error(result, "The imaging component could not finish the PNG file");
    return std::nullopt;
}

}  // namespace

Failure Win32PictureEncoder::EncodePng(const Bitmap& bitmap, std::vector<std::uint8_t>& png) {
    if (bitmap.Empty())
        return PlatformError{0, "There is no picture to make a PNG file of"};
    const ComForThisThread com;
    Failure failure = Encode(bitmap, png);
    if (failure)
        png.clear();
    return failure;
}

}  // namespace pixo
