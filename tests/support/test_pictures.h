#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "ui/theme/image_reference.h"

// PNG files for tests: one solid 8-bit RGBA colour, the rows in stored (uncompressed) deflate
// blocks, so that any PNG decoder reads them.
namespace test_pictures {

inline void PutBigEndian(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

inline void PutChunk(std::vector<uint8_t>& png, const char* type,
                     const std::vector<uint8_t>& data) {
    PutBigEndian(png, static_cast<uint32_t>(data.size()));
    const size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    uint32_t crc = 0xffffffffu;
    for (size_t i = start; i < png.size(); ++i) {
        crc ^= png[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    PutBigEndian(png, ~crc);
}

inline std::vector<uint8_t> SolidPng(uint32_t width, uint32_t height,
                                     std::array<uint8_t, 4> rgba = {255, 255, 255, 255}) {
    std::vector<uint8_t> rows;
    for (uint32_t y = 0; y < height; ++y) {
        rows.push_back(0);  // no filter
        for (uint32_t x = 0; x < width; ++x) rows.insert(rows.end(), rgba.begin(), rgba.end());
    }
    // zlib: a header, stored blocks of at most 65535 bytes, the Adler-32 of the rows.
    std::vector<uint8_t> zlib{0x78, 0x01};
    for (size_t done = 0; done < rows.size();) {
        const auto length = static_cast<uint16_t>(std::min<size_t>(rows.size() - done, 65535));
        const uint8_t last = done + length == rows.size() ? 1 : 0;
        zlib.insert(zlib.end(),
                    {last, static_cast<uint8_t>(length), static_cast<uint8_t>(length >> 8),
                     static_cast<uint8_t>(~length), static_cast<uint8_t>(~length >> 8)});
        zlib.insert(zlib.end(), rows.begin() + done, rows.begin() + done + length);
        done += length;
    }
    uint32_t a = 1, b = 0;
    for (uint8_t byte : rows) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutBigEndian(zlib, (b << 16) | a);

    std::vector<uint8_t> header;
    PutBigEndian(header, width);
    PutBigEndian(header, height);
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no interlace
    std::vector<uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", zlib);
    PutChunk(png, "IEND", {});
    return png;
}

// A 4 x 4 picture whose header reads well but whose pixel data does not: the stored block's
// length and its complement disagree.
inline std::vector<uint8_t> DamagedPng() {
    std::vector<uint8_t> png = SolidPng(4, 4);
    png[46] ^= 0xFF;  // the complement's low byte, after signature, IHDR and zlib header
    return png;
}

// A theme reference to a picture that the test keeps alive.
inline pelsdk::ui::image_reference Reference(const std::vector<uint8_t>& png, uint32_t frames,
                                             float scale = 1.0f) {
    return {png.data(), png.size(), frames, scale};
}

}  // namespace test_pictures
