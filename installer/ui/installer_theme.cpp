#include "installer/ui/installer_theme.h"

#include <string_view>

#include "installer/ui/installer_files.h"

namespace {

using pelsdk::ui::color;
using pelsdk::ui::encode_value;
using pelsdk::ui::size;

ThemeOverride Rgba(pelsdk::ui::theme_key key, float r, float g, float b, float a) {
    return {key, encode_value(color{r, g, b, a})};
}
ThemeOverride Int(pelsdk::ui::theme_key key, int32_t value) { return {key, encode_value(value)}; }
ThemeOverride Real(pelsdk::ui::theme_key key, float value) { return {key, encode_value(value)}; }
ThemeOverride Name(pelsdk::ui::theme_key key, std::string_view name) {
    return {key, encode_value(name)};
}
ThemeOverride Pair(pelsdk::ui::theme_key key, int32_t first, int32_t second) {
    return {key, encode_value(size{first, second})};
}
ThemeOverride Picture(pelsdk::ui::theme_key key, const pelsdk::ui::image_reference& picture) {
    return {key, encode_value(picture)};
}

}  // namespace

std::vector<ThemeOverride> InstallerThemeOverrides() {
    return {
        Int("header_size", 64),
        Int("footer_size", 50),
        Pair("banner_size", 450, 500),
        Picture("banner_image", BannerPicture()),
        Picture("background_image", BackgroundPicture()),
        Picture("logo_image", LogoPicture()),
        Rgba("main_back_color", 0.071f, 0.071f, 0.071f, 1),
        Rgba("main_back_gradient_color1", 0.11f, 0.11f, 0.11f, 1),
        Rgba("main_back_gradient_color2", 0.078f, 0.078f, 0.078f, 1),
        Rgba("label_font_color", 0.784f, 0.784f, 0.784f, 1),
        Name("label_font_name", "verdana"),
        Rgba("checkbox_font_color", 0.784f, 0.784f, 0.784f, 1),
        Name("checkbox_font_name", "verdana"),
        Picture("checkbox_image", CheckboxPicture()),
        Real("title_font_size", 29.0f),
        Name("title_font_name", "tahoma"),
        Int("title_font_weight", 0),
        Rgba("title_font_color", 1, 1, 1, 1),
        Real("intro_font_size", 13.0f),
        Name("intro_font_name", "tahoma"),
        Rgba("intro_font_color", 0.575f, 0.575f, 0.575f, 1),
        Real("intro_version_font_size", 12.0f),
        Rgba("intro_version_font_color", 0.394f, 0.394f, 0.394f, 1),
        Int("intro_version_font_style", 1),
        Int("label_intro_text_valign", 1),
        Int("label_path_text_valign", 1),
        Real("label_path_font_size", 11.0f),
        Int("label_adobe_version_weight", 2),
        Int("label_assets_weight", 2),
        Int("label_install_weight", 2),
        Name("license_label_font_name", "Arial"),
        Real("license_label_font_size", 15.0f),
        Rgba("license_label_font_color", 0, 0, 0, 1),
        Name("header_text_font_name", "tahoma"),
        Real("header_text_font_size", 11.0f),
        Rgba("header_text_font_color", 0.325f, 0.325f, 0.325f, 1),
        Name("footer_text_font_name", "tahoma"),
        Real("footer_text_font_size", 11.0f),
        Rgba("footer_text_font_color", 0.494f, 0.494f, 0.494f, 1),
        Rgba("rounded_button_back_color_normal", 0.141f, 0.141f, 0.141f, 1),
        Rgba("rounded_button_back_color_hover", 0.216f, 0.216f, 0.216f, 1),
        Rgba("rounded_button_back_color_disabled", 0.09f, 0.09f, 0.09f, 1),
        Name("rounded_button_font_name", "tahoma"),
        Real("rounded_button_font_size", 11.0f),
        Rgba("rounded_button_font_color_normal", 0.4f, 0.4f, 0.4f, 1),
        Rgba("rounded_button_font_color_hover", 1, 1, 1, 1),
        Rgba("rounded_button_font_color_disabled", 0.4f, 0.4f, 0.4f, 1),
        Rgba("rounded_button_next_back_color_normal", 0.024f, 0.553f, 0.867f, 1),
        Rgba("rounded_button_next_back_color_hover", 0.015f, 0.496f, 0.659f, 1),
        Rgba("button_color_normal", 0.071f, 0.071f, 0.071f, 1),
        Rgba("button_color_hover", 0.141f, 0.141f, 0.141f, 1),
        Rgba("button_border_color_normal", 0.4f, 0.4f, 0.4f, 1),
        Rgba("button_border_color_hover", 0.784f, 0.784f, 0.784f, 1),
        Name("button_font_name", "tahoma"),
        Int("button_font_weight", 0),
        Real("button_font_size", 11.0f),
        Rgba("button_font_color", 0.5f, 0.5f, 0.5f, 1),
        Rgba("button_font_color_hover", 0.884f, 0.884f, 0.884f, 1),
        Rgba("breakline_color", 0.204f, 0.204f, 0.204f, 1),
        Rgba("summary_back_color", 0.071f, 0.071f, 0.071f, 1),
        Rgba("summary_scroll_color", 0, 0, 0, 1),
        Real("summary_font_size", 10.0f),
        Rgba("summary_font_color", 0.575f, 0.575f, 0.575f, 1),
        Real("progress_label_font_size", 11.0f),
        Rgba("progress_bar_back_color", 0, 0, 0, 1),
        Rgba("progress_bar_color1", 0.023f, 0.535f, 0.838f, 1),
        Rgba("progress_bar_color2", 0.012f, 0.287f, 0.445f, 1),
        Int("installing_label_font_style", 1),
        Rgba("installing_label_font_color", 0.784f, 0.784f, 0.784f, 1),
        Name("installed_check_font_name", "tahoma"),
        Rgba("installed_check_font_color", 0.729f, 0.729f, 0.729f, 1),
        Real("installed_check_font_size", 12.0f),
        Int("installed_check_font_wight", 2),
        Picture("installed_check_image", InstalledCheckPicture()),
        Name("notifications_text_font_name", "tahoma"),
        Real("notifications_text_font_size", 12.0f),
        Rgba("notifications_text_font_color", 0.784f, 0.784f, 0.784f, 1),
        Int("notifications_text_alignment", 1),
        Pair("notifications_window_margins", 70, 20),
        Pair("notifications_component_margins", 20, 20),
        Pair("notifications_error_window_margins", 40, 20),
        Pair("notifications_error_component_margins", 20, 20),
        Rgba("notifications_back_color", 0.071f, 0.071f, 0.071f, 1),
    };
}

pelsdk::ui::theme_map InstallerThemeMap() {
    pelsdk::ui::theme_map map;
    for (ThemeOverride& entry : InstallerThemeOverrides()) map.emplace(entry.key, std::move(entry.value));
    // Both keys end up present and empty: operator[] makes the absent source as it is read.
    map["browser_back_color"] = map["default_window_back_color"];
    return map;
}
