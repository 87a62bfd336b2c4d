#include "platform/win32/wic_imaging.h"

#include <windows.h>
#include <wincodec.h>

#include "platform/win32/com_ptr.h"

namespace pelsdk::platform {

namespace {

class wic_decoder final : public image_decoder {
public:
    wic_decoder(HRESULT com_init, com_ptr<IWICImagingFactory> factory)
        : com_init_(com_init), factory_(std::move(factory)) {}

    ~wic_decoder() override {
        factory_ = com_ptr<IWICImagingFactory>();
        if (com_init_ != RPC_E_CHANGED_MODE) CoUninitialize();
    }

    decode_result decode(const uint8_t* data, uint64_t size, decoded_image& out) override {
        com_ptr<IWICStream> stream;
        com_ptr<IWICBitmapDecoder> decoder;
        com_ptr<IWICBitmapFrameDecode> frame;
        if (FAILED(factory_->CreateStream(stream.out())) ||
            FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(data),
                                                static_cast<DWORD>(size))) ||
            FAILED(factory_->CreateDecoderFromStream(stream.get(), nullptr,
                                                     WICDecodeMetadataCacheOnLoad,
                                                     decoder.out())) ||
            FAILED(decoder->GetFrame(0, frame.out()))) {
            return decode_result::unreadable;
        }
        com_ptr<IWICFormatConverter> converter;
        if (FAILED(factory_->CreateFormatConverter(converter.out()))) {
            return decode_result::converter_failed;
        }
        com_ptr<IWICBitmap> bitmap;
        UINT width = 0, height = 0;
        HRESULT result = converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA,
                                               WICBitmapDitherTypeNone, nullptr, 0.0,
                                               WICBitmapPaletteTypeCustom);
        if (SUCCEEDED(result)) result = converter->GetSize(&width, &height);
        if (SUCCEEDED(result)) {
            result = factory_->CreateBitmapFromSource(converter.get(), WICBitmapCacheOnLoad,
                                                      bitmap.out());
        }
        if (SUCCEEDED(result)) {
            out.width = width;
            out.height = height;
            out.stride = width * 4;
            out.pixels.resize(static_cast<size_t>(out.stride) * height);
            result = bitmap->CopyPixels(nullptr, out.stride, static_cast<UINT>(out.pixels.size()),
                                        out.pixels.data());
        }
        if (SUCCEEDED(result)) return decode_result::decoded;
        // The pixels are decoded in these steps: damaged ones make the picture unreadable, and
        // only a machine out of memory fails the bitmap.
        return result == E_OUTOFMEMORY ? decode_result::bitmap_failed : decode_result::unreadable;
    }

private:
    HRESULT com_init_;
    com_ptr<IWICImagingFactory> factory_;
};

}  // namespace

std::unique_ptr<image_decoder> wic_imaging::create_decoder() {
    const HRESULT com_init = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    com_ptr<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory2, nullptr, CLSCTX_INPROC_SERVER,
                                __uuidof(IWICImagingFactory), factory.out_void()))) {
        if (com_init != RPC_E_CHANGED_MODE) CoUninitialize();
        return nullptr;
    }
    return std::make_unique<wic_decoder>(com_init, std::move(factory));
}

}  // namespace pelsdk::platform
