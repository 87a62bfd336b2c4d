#include "platform/headless/stb_imaging.h"

#include <stb/stb_image.h>

#include <algorithm>
#include <climits>
#include <iterator>
#include <string_view>

namespace pelsdk::platform {

namespace {

// stb would also read BMP, GIF, TGA and more, where a few bytes can make it fill gigabytes: only
// the formats the decoder promises reach it.
bool png_or_jpeg(const uint8_t* data, int length) {
    static constexpr uint8_t png[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    static constexpr uint8_t jpeg[] = {0xFF, 0xD8, 0xFF};
    auto starts_with = [&](const auto& signature) {
        return length >= static_cast<int>(std::size(signature)) &&
               std::equal(std::begin(signature), std::end(signature), data);
    };
    return starts_with(png) || starts_with(jpeg);
}

uint8_t premultiplied(uint8_t channel, uint8_t alpha) {
    return static_cast<uint8_t>((channel * alpha + 127) / 255);
}

class stb_decoder final : public image_decoder {
public:
    explicit stb_decoder(const stb_imaging& owner) : owner_(owner) {}

    decode_result decode(const uint8_t* data, uint64_t size, decoded_image& out) override {
        int width = 0, height = 0, channels = 0;
        // The byte count is cut to 32 bits, as a memory stream takes it.
        const int length = static_cast<int>(std::min<uint64_t>(size & 0xFFFFFFFFu, INT_MAX));
        if (data == nullptr || !png_or_jpeg(data, length) ||
            !stbi_info_from_memory(data, length, &width, &height, &channels)) {
            return decode_result::unreadable;
        }
        if (owner_.fails == stb_imaging::failure::converter) return decode_result::converter_failed;
        stbi_uc* rgba = stbi_load_from_memory(data, length, &width, &height, &channels, 4);
        // Damaged pixel data behind a readable header is no picture either; only a machine out
        // of memory fails the bitmap step.
        if (rgba == nullptr && std::string_view(stbi_failure_reason()) != "outofmem") {
            return decode_result::unreadable;
        }
        if (rgba == nullptr || owner_.fails == stb_imaging::failure::bitmap) {
            stbi_image_free(rgba);
            return decode_result::bitmap_failed;
        }
        out.width = static_cast<uint32_t>(width);
        out.height = static_cast<uint32_t>(height);
        out.stride = out.width * 4;
        out.pixels.resize(static_cast<size_t>(out.stride) * out.height);
        for (size_t i = 0; i < static_cast<size_t>(width) * height; ++i) {
            const uint8_t* in = rgba + i * 4;
            uint8_t* bgra = out.pixels.data() + i * 4;
            bgra[0] = premultiplied(in[2], in[3]);
            bgra[1] = premultiplied(in[1], in[3]);
            bgra[2] = premultiplied(in[0], in[3]);
            bgra[3] = in[3];
        }
        stbi_image_free(rgba);
        return decode_result::decoded;
    }

private:
    const stb_imaging& owner_;
};

}  // namespace

std::unique_ptr<image_decoder> stb_imaging::create_decoder() {
    if (fails == failure::factory) return nullptr;
    return std::make_unique<stb_decoder>(*this);
}

}  // namespace pelsdk::platform
