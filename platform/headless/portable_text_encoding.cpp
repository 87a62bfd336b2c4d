// UTF-8 conversion for hosts whose wide characters hold whole code points. Invalid input is
// replaced as Windows does: each maximal ill-formed subsequence becomes one U+FFFD.
#include <cstdint>

#include "platform/text_encoding.h"

namespace pelsdk::platform {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

struct lead_byte {
    int continuation_count;
    unsigned char second_low;  // the second byte's range narrows after some lead bytes
    unsigned char second_high;
};

// Well-formed UTF-8: which bytes may follow each lead byte.
lead_byte describe_lead(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return {1, 0x80, 0xBF};
    if (lead == 0xE0) return {2, 0xA0, 0xBF};
    if (lead == 0xED) return {2, 0x80, 0x9F};
    if (lead >= 0xE1 && lead <= 0xEF) return {2, 0x80, 0xBF};
    if (lead == 0xF0) return {3, 0x90, 0xBF};
    if (lead >= 0xF1 && lead <= 0xF3) return {3, 0x80, 0xBF};
    if (lead == 0xF4) return {3, 0x80, 0x8F};
    return {-1, 0, 0};
}

// Decodes one character at text[pos], advancing pos past what it consumed.
char32_t decode_one(std::string_view text, size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) return lead;
    const lead_byte shape = describe_lead(lead);
    if (shape.continuation_count < 0) return kReplacement;
    char32_t code = lead & (0x3F >> shape.continuation_count);
    for (int i = 0; i < shape.continuation_count; ++i) {
        if (pos >= text.size()) return kReplacement;
        const auto next = static_cast<unsigned char>(text[pos]);
        const unsigned char low = i == 0 ? shape.second_low : 0x80;
        const unsigned char high = i == 0 ? shape.second_high : 0xBF;
        if (next < low || next > high) return kReplacement;
        code = (code << 6) | (next & 0x3F);
        ++pos;
    }
    return code;
}

bool is_high_surrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool is_low_surrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

void append_utf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

}  // namespace

std::wstring utf8_to_wide(std::string_view text) {
    std::wstring wide;
    wide.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) wide += static_cast<wchar_t>(decode_one(text, pos));
    return wide;
}

std::u16string utf8_to_utf16(std::string_view text) {
    std::u16string units;
    units.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        const char32_t code = decode_one(text, pos);
        if (code < 0x10000) {
            units += static_cast<char16_t>(code);
        } else {
            units += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        }
    }
    return units;
}

std::string wide_to_utf8(std::wstring_view text) {
    std::string utf8;
    utf8.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t code = static_cast<char32_t>(text[i]);
        // A surrogate pair, as a UTF-16 source would hold it, is one character.
        if (is_high_surrogate(code) && i + 1 < text.size() &&
            is_low_surrogate(static_cast<char32_t>(text[i + 1]))) {
            code = 0x10000 + ((code - 0xD800) << 10) + (static_cast<char32_t>(text[++i]) - 0xDC00);
        } else if (is_high_surrogate(code) || is_low_surrogate(code) || code > 0x10FFFF) {
            code = kReplacement;
        }
        append_utf8(utf8, code);
    }
    return utf8;
}

}  // namespace pelsdk::platform
