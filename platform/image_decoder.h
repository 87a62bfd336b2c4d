#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace pelsdk::platform {

// Decoded pixels: 32-bit premultiplied B, G, R, A, rows top to bottom.
struct decoded_image {
    std::vector<uint8_t> pixels;
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t stride = 0;
};

enum class decode_result {
    decoded,
    unreadable,        // no decoder accepts the bytes, or their pixels are damaged: never drawn
    converter_failed,  // the pixel format converter could not be made
    bitmap_failed,     // the converted pixels could not be kept: out of memory
};

// One picture decoder (with WIC: an imaging factory of its own).
class image_decoder {
public:
    virtual ~image_decoder() = default;
    // Decodes the first frame of a PNG or JPEG file.
    virtual decode_result decode(const uint8_t* data, uint64_t size, decoded_image& out) = 0;
};

class imaging_system {
public:
    virtual ~imaging_system() = default;
    // Null when the imaging factory cannot be made.
    virtual std::unique_ptr<image_decoder> create_decoder() = 0;
};

}  // namespace pelsdk::platform
