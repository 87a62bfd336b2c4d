#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "ui/base/color.h"
#include "ui/base/geometry.h"
#include "ui/theme/image_reference.h"

namespace pelsdk::ui {

using theme_value = std::vector<uint8_t>;

// The byte layouts of theme values; the key decides which one its reader expects.
enum class value_kind { color, float32, int32, boolean, pair, quad, text, image };

theme_value encode_value(int32_t value);
theme_value encode_value(float value);
theme_value encode_value(const color& value);
theme_value encode_value(bool value);
theme_value encode_value(const size& value);
theme_value encode_value(const quad& value);
theme_value encode_value(std::string_view text);
theme_value encode_value(const image_reference& value);

// Readers: a value shorter than its kind is absent and gives the kind's absent result; a
// longer one is read from its first bytes.
color decode_color(const theme_value& value);
float decode_float(const theme_value& value);
int32_t decode_int(const theme_value& value);
bool decode_bool(const theme_value& value);
size decode_pair(const theme_value& value);
quad decode_quad(const theme_value& value);
std::string_view decode_text(const theme_value& value);
image_reference decode_image(const theme_value& value);

// A value with the kind it is written as: how tables of theme values are written.
struct typed_value {
    value_kind kind;
    theme_value bytes;
};
typed_value rgba(float r, float g, float b, float a);
typed_value real(float value);
typed_value integer(int32_t value);
typed_value flag(bool value);
typed_value pair(int32_t first, int32_t second);
typed_value edges(int32_t left, int32_t top, int32_t right, int32_t bottom);
typed_value text(std::string_view value);
typed_value picture(const image_reference& value);

}  // namespace pelsdk::ui
