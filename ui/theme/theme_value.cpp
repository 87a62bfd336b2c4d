#include "ui/theme/theme_value.h"

#include <cstring>

namespace pelsdk::ui {

namespace {

template <typename T>
theme_value bytes_of(const T& value) {
    theme_value bytes(sizeof(T));
    std::memcpy(bytes.data(), &value, sizeof(T));
    return bytes;
}

template <typename T>
T read_or(const theme_value& value, T absent) {
    if (value.size() < sizeof(T)) return absent;
    T result;
    std::memcpy(&result, value.data(), sizeof(T));
    return result;
}

}  // namespace

theme_value encode_value(int32_t value) { return bytes_of(value); }
theme_value encode_value(float value) { return bytes_of(value); }
theme_value encode_value(const color& value) { return bytes_of(value); }
theme_value encode_value(bool value) { return theme_value{static_cast<uint8_t>(value ? 1 : 0)}; }
theme_value encode_value(const size& value) { return bytes_of(value); }
theme_value encode_value(const quad& value) { return bytes_of(value); }
theme_value encode_value(std::string_view text) { return theme_value(text.begin(), text.end()); }
theme_value encode_value(const image_reference& value) { return bytes_of(value); }

color decode_color(const theme_value& value) { return read_or(value, color{0, 0, 0, 0}); }
float decode_float(const theme_value& value) { return read_or(value, 0.0f); }
int32_t decode_int(const theme_value& value) { return read_or(value, int32_t{0}); }
bool decode_bool(const theme_value& value) { return !value.empty() && value[0] != 0; }
size decode_pair(const theme_value& value) { return read_or(value, size{0, 0}); }
quad decode_quad(const theme_value& value) { return read_or(value, quad{0, 0, 0, 0}); }

std::string_view decode_text(const theme_value& value) {
    if (value.empty()) return {};
    return std::string_view(reinterpret_cast<const char*>(value.data()), value.size());
}

image_reference decode_image(const theme_value& value) {
    return read_or(value, image_reference{});
}

typed_value rgba(float r, float g, float b, float a) {
    return {value_kind::color, encode_value(color{r, g, b, a})};
}
typed_value real(float value) { return {value_kind::float32, encode_value(value)}; }
typed_value integer(int32_t value) { return {value_kind::int32, encode_value(value)}; }
typed_value flag(bool value) { return {value_kind::boolean, encode_value(value)}; }
typed_value pair(int32_t first, int32_t second) {
    return {value_kind::pair, encode_value(size{first, second})};
}
typed_value edges(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return {value_kind::quad, encode_value(quad{left, top, right, bottom})};
}
typed_value text(std::string_view value) { return {value_kind::text, encode_value(value)}; }
typed_value picture(const image_reference& value) { return {value_kind::image, encode_value(value)}; }

}  // namespace pelsdk::ui
