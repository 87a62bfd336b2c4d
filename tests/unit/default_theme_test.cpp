// The default theme: the values the installer's widgets read, the shape of the whole table.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "ui/theme/default_theme.h"
#include "ui/theme/theme_lookup.h"

namespace {

using namespace pelsdk::ui;

typed_value Picture(uint64_t bytes, uint32_t frames, float scale) {
    return picture(image_reference{nullptr, bytes, frames, scale});
}

struct Row {
    theme_key key;
    typed_value expected;
};

// The defaults the toolkit's widgets read (the radii and fonts follow their names, below).
TEST(DefaultTheme, InstallerFamiliesHoldTheirDocumentedValues) {
    // clang-format off
    const Row rows[] = {
        {"default_back_color", rgba(0, 0, 0, 0)},
        {"default_border_color", rgba(0, 0, 0, 0)},
        {"default_border_width", real(1)},
        {"checkbox_back_color", rgba(0, 0, 0, 0)},
        {"checkbox_font_color", rgba(1, 1, 1, 1)},
        {"checkbox_text_gap", integer(5)},
        {"checkbox_image", Picture(673, 2, 1.0f)},
        {"message_popup_image", Picture(440, 1, 1.0f)},
        {"message_popup_window_margins", pair(20, 20)},
        {"message_popup_component_margins", integer(10)},
        {"button_color_normal", rgba(0.173, 0.176, 0.192, 1)},
        {"button_color_hover", rgba(0.239, 0.247, 0.263, 1)},
        {"button_color_toggle", rgba(0.188, 0.29, 0.506, 1)},
        {"button_color_pressed", rgba(0, 0, 0, 0)},
        {"button_round_edges", flag(false)},
        {"button_border_color_normal", rgba(0, 0, 0, 0)},
        {"button_border_color_hover", rgba(1, 1, 1, 1)},
        {"button_border_color_focus", rgba(0.6, 0.6, 0.6, 1)},
        {"button_font_color", rgba(1, 1, 1, 1)},
        {"button_font_color_hover", rgba(1, 1, 1, 1)},
        {"button_font_color_pressed", rgba(1, 1, 1, 1)},
        {"button_font_alignment", integer(1)},
        {"button_font_vertical_alignment", integer(0)},
        {"button_text_underlined", flag(false)},
        {"button_text_clip", flag(false)},
        {"button_text_margins", pair(0, 0)},
        {"button_image", Picture(0, 1, 1.0f)},
        {"button_image_filter_multiply", rgba(1, 1, 1, 1)},
        {"button_image_filter_multiply_area", rgba(0, 0, 0, 0)},
        {"button_image_strech", flag(false)},
        {"button_back_image", Picture(0, 1, 1.0f)},
        {"button_auto_size", flag(false)},
        {"button_auto_size_min_max", pair(65, 0)},
        {"button_reset_hover", flag(false)},
        {"tooltip_back_color", rgba(0.106, 0.106, 0.11, 1)},
        {"tooltip_border_color", rgba(0.29, 0.31, 0.325, 1)},
        {"tooltip_border_color_1", rgba(0, 0, 0, 1)},
        {"tooltip_font_color", rgba(0.655, 0.655, 0.655, 1)},
        {"tooltip_title_font_color", rgba(1, 1, 1, 1)},
        {"scroll_button_back_color", rgba(0.22, 0.235, 0.251, 1)},
        {"scroll_button_line_color", rgba(0.325, 0.325, 0.325, 1)},
        {"scroll_button_arrow_image", Picture(255, 1, 1.0f)},
        {"scroll_bar_back_color", rgba(0.145, 0.149, 0.165, 1)},
        {"scroll_bar_line_color", rgba(0.314, 0.314, 0.314, 1)},
        {"scroll_back_color", rgba(0.067, 0.071, 0.078, 1)},
        {"scroll_min_size", integer(50)},
        {"scroll_speed_multiplier", integer(2)},
        {"scroll_auto_hide", flag(false)},
        {"label_font_color", rgba(1, 1, 1, 1)},
        {"label_text_align", integer(0)},
        {"label_text_valign", integer(0)},
        {"label_text_underlined", flag(false)},
    };
    // clang-format on
    const widget_style plain;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.key.text());
        if (row.expected.kind != value_kind::image) {
            EXPECT_EQ(theme_lookup(plain, row.key), row.expected.bytes);
            continue;
        }
        // A picture is compared by its byte count, frames and scale: the bytes live elsewhere.
        const image_reference picture = theme_image(plain, row.key);
        const image_reference expected = decode_image(row.expected.bytes);
        EXPECT_EQ(std::tie(picture.size, picture.frames, picture.scale),
                  std::tie(expected.size, expected.frames, expected.scale));
    }
}

TEST(DefaultTheme, TableHasItsShapeAndTheFirstOfTwoEntriesWins) {
    const std::vector<default_theme_entry> table = default_theme_table();
    ASSERT_EQ(table.size(), 537u);

    std::map<value_kind, int> kinds;
    for (const default_theme_entry& entry : table) ++kinds[entry.kind];
    const std::map<value_kind, int> expectedKinds = {
        {value_kind::color, 245}, {value_kind::float32, 45}, {value_kind::int32, 100},
        {value_kind::boolean, 46}, {value_kind::pair, 39},   {value_kind::quad, 4},
        {value_kind::text, 24},    {value_kind::image, 34},
    };
    EXPECT_EQ(kinds, expectedKinds);

    // Entries are counted from 1; each repeated key's first entry stands where given.
    const std::map<int, int> repeatedAt = {{468, 466}, {469, 467}, {521, 35}, {522, 37},
                                           {523, 38},  {524, 40},  {525, 41}};
    std::map<uint64_t, int> firstEntry;
    std::map<int, int> repeats;
    for (size_t i = 0; i < table.size(); ++i) {
        const int entry = static_cast<int>(i) + 1;
        const auto [where, inserted] = firstEntry.try_emplace(table[i].key.hash(), entry);
        if (!inserted) repeats[entry] = where->second;
    }
    EXPECT_EQ(repeats, repeatedAt);
    EXPECT_EQ(default_theme().size(), 530u);

    const widget_style plain;
    EXPECT_EQ(theme_color(plain, "color_select_dialog_back_color"), (color{0.09f, 0.098f, 0.11f, 1}));
    EXPECT_EQ(theme_color(plain, "color_select_dialog_button_border_color_hover"), (color{1, 1, 1, 1}));
    EXPECT_EQ(theme_pair(plain, "params_node_panel_port_input_size"), (size{14, 20}));
}

TEST(DefaultTheme, EntriesOfTheOtherFamiliesFollowTheirNames) {
    const widget_style plain;
    for (const theme_key key : {theme_key("dropdown_icon_image"), theme_key("editparam_dropdown_icon_image")}) {
        EXPECT_EQ(theme_lookup(plain, key), encode_value(image_reference{nullptr, 0, 0, 0.0f}));
    }
    EXPECT_EQ(theme_text(plain, "editparam_float_divider"), ",  ");

    // Every family writes in Tahoma 11, upright; only the few titles and buttons are bold. Rounded
    // corners have a radius of 3, except the plain button's square ones.
    const std::set<std::string> bold = {"button_font_weight", "tooltip_title_font_weight",
                                        "editparam_title_font_weight", "multiwindow_tab_font_weight"};
    for (const default_theme_entry& entry : default_theme_table()) {
        const std::string name = entry.key.text();
        SCOPED_TRACE(name);
        const auto holds = [&](const typed_value& expected) {
            EXPECT_EQ(entry.kind, expected.kind);
            EXPECT_EQ(entry.value, expected.bytes);
        };
        if (name.ends_with("_font_weight")) holds(integer(bold.count(name) ? 2 : 0));
        if (name.ends_with("_font_style")) holds(integer(0));
        if (name.ends_with("_font_name")) holds(text("Tahoma"));
        if (name.ends_with("_font_size")) holds(real(11));
        if (name.ends_with("_radius")) holds(real(name == "button_round_radius" ? 0 : 3));
        if (name.ends_with("_image")) {
            EXPECT_EQ(entry.kind, value_kind::image);
        }
        if (entry.kind == value_kind::image && decode_image(entry.value).size != 0) {
            const image_reference picture = decode_image(entry.value);
            EXPECT_EQ(std::string(reinterpret_cast<const char*>(picture.data), 8), "\x89PNG\r\n\x1a\n");
        }
    }
}

uint32_t BigEndianAt(const uint8_t* bytes) {
    return (uint32_t{bytes[0]} << 24) | (uint32_t{bytes[1]} << 16) | (uint32_t{bytes[2]} << 8) |
           bytes[3];
}

TEST(DefaultTheme, PicturesHaveTheSizesTheirWidgetsCut) {
    struct Case {
        theme_key key;
        uint32_t width, height;
    };
    // The check box stacks its two frames; the scroll bar cuts the arrow sheet into halves.
    const Case cases[] = {
        {"checkbox_image", 14, 28},
        {"scroll_button_arrow_image", 8, 8},
        {"message_popup_image", 24, 24},
    };
    const widget_style plain;
    for (const Case& c : cases) {
        const image_reference picture = theme_image(plain, c.key);
        ASSERT_GT(picture.size, 24u);
        EXPECT_EQ(BigEndianAt(picture.data + 16), c.width) << c.key.text();
        EXPECT_EQ(BigEndianAt(picture.data + 20), c.height) << c.key.text();
    }
}

}  // namespace
