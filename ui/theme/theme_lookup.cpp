#include "ui/theme/theme_lookup.h"

#include "ui/theme/default_theme.h"

namespace pelsdk::ui {

namespace {

theme_map& theme_overrides() {
    static theme_map overrides;
    return overrides;
}

const theme_value* find_in(const theme_map& map, const theme_key& key) {
    const auto found = map.find(key);
    return found == map.end() ? nullptr : &found->second;
}

}  // namespace

const theme_value& theme_lookup(const widget_style& style, const theme_key& key) {
    const auto alias = style.aliases.find(key);
    const theme_key& wanted = alias == style.aliases.end() ? key : alias->second;
    const theme_map* const layers[] = {&style.values, &theme_overrides(), &default_theme()};
    for (const theme_map* layer : layers) {
        if (const theme_value* value = find_in(*layer, wanted)) return *value;
    }
    static const theme_value empty;
    return empty;
}

color theme_color(const widget_style& s, const theme_key& k) { return decode_color(theme_lookup(s, k)); }
float theme_float(const widget_style& s, const theme_key& k) { return decode_float(theme_lookup(s, k)); }
int32_t theme_int(const widget_style& s, const theme_key& k) { return decode_int(theme_lookup(s, k)); }
bool theme_bool(const widget_style& s, const theme_key& k) { return decode_bool(theme_lookup(s, k)); }
size theme_pair(const widget_style& s, const theme_key& k) { return decode_pair(theme_lookup(s, k)); }
quad theme_quad(const widget_style& s, const theme_key& k) { return decode_quad(theme_lookup(s, k)); }
std::string_view theme_text(const widget_style& s, const theme_key& k) {
    return decode_text(theme_lookup(s, k));
}
image_reference theme_image(const widget_style& s, const theme_key& k) {
    return decode_image(theme_lookup(s, k));
}

void set_theme(const theme_map& overrides) { theme_overrides() = overrides; }

}  // namespace pelsdk::ui
