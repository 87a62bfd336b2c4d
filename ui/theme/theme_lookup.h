#pragma once

#include <string_view>

#include "ui/theme/widget_style.h"

namespace pelsdk::ui {

// Resolves a key for a widget: its alias (followed once), then its own value, the program's
// overrides, the defaults. An aliased key never falls back to the key asked for. A miss returns
// one shared empty value and allocates nothing.
const theme_value& theme_lookup(const widget_style& style, const theme_key& key);

// The typed readers give their kind's absent result for a missing or too short value.
color theme_color(const widget_style& style, const theme_key& key);
float theme_float(const widget_style& style, const theme_key& key);
int32_t theme_int(const widget_style& style, const theme_key& key);
bool theme_bool(const widget_style& style, const theme_key& key);
size theme_pair(const widget_style& style, const theme_key& key);
quad theme_quad(const widget_style& style, const theme_key& key);
std::string_view theme_text(const widget_style& style, const theme_key& key);
image_reference theme_image(const widget_style& style, const theme_key& key);

// Replaces the program's overrides with a copy of the map. Fires nothing: widgets see the new
// values on their next lookup.
void set_theme(const theme_map& overrides);

}  // namespace pelsdk::ui
