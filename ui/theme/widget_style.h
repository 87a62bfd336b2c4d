#pragma once

#include <string_view>

#include "ui/theme/theme_map.h"

namespace pelsdk::ui {

class event_object;

// A widget's own theme: values set on it alone and aliases that make it read one key under
// another's name. Changes are announced to the owner as style_changed, with the key's address.
class widget_style {
public:
    explicit widget_style(event_object* owner = nullptr) : owner(owner) {}

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
    event_object* owner;

private:
    void announce(const theme_key& key);
};

}  // namespace pelsdk::ui
