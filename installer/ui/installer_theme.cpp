#include "installer/ui/installer_theme.h"

#include <string_view>

#include "installer/ui/installer_files.h"

using namespace pelsdk::ui;

std::vector<ThemeOverride> InstallerThemeOverrides() {
    return {
        {"header_size", integer(64)},
        {"footer_size", integer(50)},
        {"banner_size", pair(450, 500)},
        {"banner_image", picture(BannerPicture())},
        {"background_image", picture(BackgroundPicture())},
        {"logo_image", picture(LogoPicture())},
        {"main_back_color", rgba(0.071f, 0.071f, 0.071f, 1)},
        {"main_back_gradient_color1", rgba(0.11f, 0.11f, 0.11f, 1)},
        {"main_back_gradient_color2", rgba(0.078f, 0.078f, 0.078f, 1)},
        {"label_font_color", rgba(0.784f, 0.784f, 0.784f, 1)},
        {"label_font_name", text("verdana")},
        {"checkbox_font_color", rgba(0.784f, 0.784f, 0.784f, 1)},
        {"checkbox_font_name", text("verdana")},
        {"checkbox_image", picture(CheckboxPicture())},
        {"title_font_size", real(29.0f)},
        {"title_font_name", text("tahoma")},
        {"title_font_weight", integer(0)},
        {"title_font_color", rgba(1, 1, 1, 1)},
        {"intro_font_size", real(13.0f)},
        {"intro_font_name", text("tahoma")},
        {"intro_font_color", rgba(0.575f, 0.575f, 0.575f, 1)},
        {"intro_version_font_size", real(12.0f)},
        {"intro_version_font_color", rgba(0.394f, 0.394f, 0.394f, 1)},
        {"intro_version_font_style", integer(1)},
        {"label_intro_text_valign", integer(1)},
        {"label_path_text_valign", integer(1)},
        {"label_path_font_size", real(11.0f)},
        {"label_adobe_version_weight", integer(2)},
        {"label_assets_weight", integer(2)},
        {"label_install_weight", integer(2)},
        {"license_label_font_name", text("Arial")},
        {"license_label_font_size", real(15.0f)},
        {"license_label_font_color", rgba(0, 0, 0, 1)},
        {"header_text_font_name", text("tahoma")},
        {"header_text_font_size", real(11.0f)},
        {"header_text_font_color", rgba(0.325f, 0.325f, 0.325f, 1)},
        {"footer_text_font_name", text("tahoma")},
        {"footer_text_font_size", real(11.0f)},
        {"footer_text_font_color", rgba(0.494f, 0.494f, 0.494f, 1)},
        {"rounded_button_back_color_normal", rgba(0.141f, 0.141f, 0.141f, 1)},
        {"rounded_button_back_color_hover", rgba(0.216f, 0.216f, 0.216f, 1)},
        {"rounded_button_back_color_disabled", rgba(0.09f, 0.09f, 0.09f, 1)},
        {"rounded_button_font_name", text("tahoma")},
        {"rounded_button_font_size", real(11.0f)},
        {"rounded_button_font_color_normal", rgba(0.4f, 0.4f, 0.4f, 1)},
        {"rounded_button_font_color_hover", rgba(1, 1, 1, 1)},
        {"rounded_button_font_color_disabled", rgba(0.4f, 0.4f, 0.4f, 1)},
        {"rounded_button_next_back_color_normal", rgba(0.024f, 0.553f, 0.867f, 1)},
        {"rounded_button_next_back_color_hover", rgba(0.015f, 0.496f, 0.659f, 1)},
        {"button_color_normal", rgba(0.071f, 0.071f, 0.071f, 1)},
        {"button_color_hover", rgba(0.141f, 0.141f, 0.141f, 1)},
        {"button_border_color_normal", rgba(0.4f, 0.4f, 0.4f, 1)},
        {"button_border_color_hover", rgba(0.784f, 0.784f, 0.784f, 1)},
        {"button_font_name", text("tahoma")},
        {"button_font_weight", integer(0)},
        {"button_font_size", real(11.0f)},
        {"button_font_color", rgba(0.5f, 0.5f, 0.5f, 1)},
        {"button_font_color_hover", rgba(0.884f, 0.884f, 0.884f, 1)},
        {"breakline_color", rgba(0.204f, 0.204f, 0.204f, 1)},
        {"summary_back_color", rgba(0.071f, 0.071f, 0.071f, 1)},
        {"summary_scroll_color", rgba(0, 0, 0, 1)},
        {"summary_font_size", real(10.0f)},
        {"summary_font_color", rgba(0.575f, 0.575f, 0.575f, 1)},
        {"progress_label_font_size", real(11.0f)},
        {"progress_bar_back_color", rgba(0, 0, 0, 1)},
        {"progress_bar_color1", rgba(0.023f, 0.535f, 0.838f, 1)},
        {"progress_bar_color2", rgba(0.012f, 0.287f, 0.445f, 1)},
        {"installing_label_font_style", integer(1)},
        {"installing_label_font_color", rgba(0.784f, 0.784f, 0.784f, 1)},
        {"installed_check_font_name", text("tahoma")},
        {"installed_check_font_color", rgba(0.729f, 0.729f, 0.729f, 1)},
        {"installed_check_font_size", real(12.0f)},
        {"installed_check_font_wight", integer(2)},
        {"installed_check_image", picture(InstalledCheckPicture())},
        {"notifications_text_font_name", text("tahoma")},
        {"notifications_text_font_size", real(12.0f)},
        {"notifications_text_font_color", rgba(0.784f, 0.784f, 0.784f, 1)},
        {"notifications_text_alignment", integer(1)},
        {"notifications_window_margins", pair(70, 20)},
        {"notifications_component_margins", pair(20, 20)},
        {"notifications_error_window_margins", pair(40, 20)},
        {"notifications_error_component_margins", pair(20, 20)},
        {"notifications_back_color", rgba(0.071f, 0.071f, 0.071f, 1)},
    };
}

pelsdk::ui::theme_map InstallerThemeMap() {
    pelsdk::ui::theme_map map;
    for (ThemeOverride& entry : InstallerThemeOverrides()) map.emplace(entry.key, std::move(entry.value.bytes));
    // Both keys end up present and empty: operator[] makes the absent source as it is read.
    map["browser_back_color"] = map["default_window_back_color"];
    return map;
}
