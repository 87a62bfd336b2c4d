#pragma once

#include <functional>
#include <string_view>

#include "ui/theme/theme_map.h"

namespace pelsdk::ui {

// A widget's own theme: values set on it alone and aliases that make it read one key under
// another's name. Each change is announced to whoever listens, with the key.
class widget_style {
public:
    using change_listener = std::function<void(const theme_key&)>;

    explicit widget_style(change_listener listener = {}) : on_change(std::move(listener)) {}

    void set_value(const theme_key& key, int32_t value);
    void set_value(const theme_key& key, float value);
    void set_value(const theme_key& key, const color& value);
    void set_value(const theme_key& key, bool value);
    void set_value(const theme_key& key, const size& value);
    void set_value(const theme_key& key, const quad& value);
    void set_value(const theme_key& key, std::string_view text);
    // Without it a literal would pick the bool overload.
    void set_value(const theme_key& key, const char* text);
    void set_value(const theme_key& key, const image_reference& value);
    void set_value(const theme_key& key, theme_value bytes);

    // Fires only when the key had no alias or one to another target.
    void set_alias(const theme_key& key, const theme_key& target);

    theme_map values;
    theme_alias_map aliases;
    change_listener on_change;

private:
    void announce(const theme_key& key);
};

}  // namespace pelsdk::ui
