#include "ui/theme/widget_style.h"

namespace pelsdk::ui {

void widget_style::set_value(const theme_key& key, int32_t value) {
    set_value(key, encode_value(value));
}
void widget_style::set_value(const theme_key& key, float value) {
    set_value(key, encode_value(value));
}
void widget_style::set_value(const theme_key& key, const color& value) {
    set_value(key, encode_value(value));
}
void widget_style::set_value(const theme_key& key, bool value) {
    set_value(key, encode_value(value));
}
void widget_style::set_value(const theme_key& key, const size& value) {
    set_value(key, encode_value(value));
}
void widget_style::set_value(const theme_key& key, const quad& value) {
    set_value(key, encode_value(value));
}
void widget_style::set_value(const theme_key& key, std::string_view text) {
    set_value(key, encode_value(text));
}
void widget_style::set_value(const theme_key& key, const char* text) {
    set_value(key, std::string_view(text));
}
void widget_style::set_value(const theme_key& key, const image_reference& value) {
    set_value(key, encode_value(value));
}

// Announced on every call, even when the bytes did not change.
void widget_style::set_value(const theme_key& key, theme_value bytes) {
    values.insert_or_assign(key, std::move(bytes));
    announce(key);
}

void widget_style::set_alias(const theme_key& key, const theme_key& target) {
    const auto [existing, inserted] = aliases.try_emplace(key, target);
    if (!inserted) {
        if (existing->second == target) return;
        existing->second = target;
    }
    announce(key);
}

void widget_style::announce(const theme_key& key) {
    if (on_change) on_change(key);
}

}  // namespace pelsdk::ui
