#include "ui/widgets/markup_attributes.h"

#include <charconv>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <string>

#include "ui/widgets/markup_tags.h"

namespace pelsdk::ui {

namespace {

size_t skip_whitespace(std::string_view text, size_t from) {
    while (from < text.size() && is_markup_whitespace(text[from])) ++from;
    return from;
}

// 4 dips per unit of the unsigned decimal number the value starts with: size 3 is 12 dips.
// No number, a sign, or a size too large to draw reads as 0.
float font_size_of(std::string_view value) {
    float number = 0;
    if (std::isdigit(static_cast<unsigned char>(value[0])) || value[0] == '.') {
        std::from_chars(value.data(), value.data() + value.size(), number,
                        std::chars_format::fixed);
    }
    const float size = 4.0f * number;
    return std::isfinite(size) ? size : 0.0f;
}

// The characters after the first one (the '#') as "%06X" scans them; a failed scan is black.
color font_color_of(std::string_view value) {
    const std::string digits(value.substr(1));
    unsigned int v = 0;
    if (std::sscanf(digits.c_str(), "%06X", &v) != 1) v = 0;
    return {static_cast<float>((v >> 16) & 0xFF) / 255.0f,
            static_cast<float>((v >> 8) & 0xFF) / 255.0f, static_cast<float>(v & 0xFF) / 255.0f,
            1.0f};
}

}  // namespace

std::string_view get_attribute(std::string_view tag, std::string_view name) {
    const size_t found = tag.find(name);
    if (found == std::string_view::npos) return {};
    size_t at = skip_whitespace(tag, found + name.size());
    if (at == tag.size() || tag[at] != '=') return {};
    at = skip_whitespace(tag, at + 1);
    if (at == tag.size()) return {};
    const size_t end = tag.find(tag[at] == '"' ? '"' : ' ', at + 1);
    if (end == std::string_view::npos) return {};
    return tag.substr(at + 1, end - at - 1);
}

void apply_font_attributes(text_run& style, std::string_view tag) {
    if (const std::string_view face = get_attribute(tag, "face"); !face.empty()) {
        style.family = face;
    }
    if (const std::string_view size = get_attribute(tag, "size"); !size.empty()) {
        style.size = font_size_of(size);
    }
    if (const std::string_view value = get_attribute(tag, "color"); !value.empty()) {
        style.color = font_color_of(value);
    }
}

void apply_link_attributes(text_run& style, std::string_view tag) {
    const std::string_view href = get_attribute(tag, "href");
    if (href.empty()) return;
    style.color = {0, 0, 1, 1};
    style.underline = true;
    style.link = href;
}

}  // namespace pelsdk::ui
