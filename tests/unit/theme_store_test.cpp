#include <gtest/gtest.h>

#include <cstring>

#include "ui/core/event_hub.h"
#include "ui/core/event_object.h"
#include "ui/theme/theme_lookup.h"

namespace {

using namespace pelsdk::ui;

static_assert(theme_key("default_back_color").hash() == 0xF97AFB916677CF14ull);
static_assert(sizeof(theme_key) == 24);
static_assert(theme_key("default_back_color").length() == 19);
// Bytes widen as signed chars: an unsigned widening would give 0x8722d2eed3c2ffcb.
static_assert(theme_key("caf\xc3\xa9").hash() == 0x7f4136edad40a9cbull);

using ThemeStore = ::testing::Test;

TEST_F(ThemeStore, LooksUpAliasThenOwnValueThenOverridesThenDefaults) {
    widget_style style;
    EXPECT_EQ(theme_text(style, "label_font_name"), "Tahoma");

    theme_map overrides;
    overrides[theme_key("label_font_name")] = encode_value(std::string_view("Verdana"));
    overrides[theme_key("title_font_name")] = encode_value(std::string_view("Georgia"));
    set_theme(overrides);
    EXPECT_EQ(theme_text(style, "label_font_name"), "Verdana");

    style.set_value("label_font_name", "Arial");
    EXPECT_EQ(theme_text(style, "label_font_name"), "Arial");

    style.set_alias("label_font_name", "title_font_name");
    EXPECT_EQ(theme_text(style, "label_font_name"), "Georgia");
    style.set_value("title_font_name", "Courier");
    EXPECT_EQ(theme_text(style, "label_font_name"), "Courier");

    // A fresh override map drops every earlier override; an alias never falls back to the key
    // asked for, and is followed once.
    set_theme({});
    widget_style other;
    other.set_value("label_font_size", 14.0f);
    other.set_alias("label_font_name", "title_font_name");
    other.set_alias("label_font_size", "license_label_font_size");
    EXPECT_EQ(theme_text(other, "label_font_name"), "");
    EXPECT_EQ(theme_float(other, "label_font_size"), 0.0f);
    other.set_alias("license_label_font_size", "label_font_size");
    EXPECT_EQ(theme_float(other, "label_font_size"), 0.0f);
}

TEST_F(ThemeStore, ShortValuesReadAsAbsentLongOnesFromTheirFirstBytes) {
    widget_style style;
    const theme_value longColor = [] {
        theme_value bytes = encode_value(color{0.5f, 0.25f, 1, 1});
        bytes.push_back(7);
        return bytes;
    }();
    struct Case {
        theme_value stored;
        std::function<bool(const widget_style&)> reads_as_expected;
    };
    const Case cases[] = {
        {theme_value(15, 1), [](auto& s) { return theme_color(s, "k") == color{0, 0, 0, 0}; }},
        {longColor, [](auto& s) { return theme_color(s, "k") == color{0.5f, 0.25f, 1, 1}; }},
        {theme_value(3, 1), [](auto& s) { return theme_int(s, "k") == 0; }},
        {theme_value(3, 1), [](auto& s) { return theme_float(s, "k") == 0.0f; }},
        {theme_value{5, 0, 0, 0, 9}, [](auto& s) { return theme_int(s, "k") == 5; }},
        {theme_value(7, 1), [](auto& s) { return theme_pair(s, "k") == size{0, 0}; }},
        {theme_value(15, 1), [](auto& s) { return theme_quad(s, "k") == quad{0, 0, 0, 0}; }},
        {theme_value{}, [](auto& s) { return !theme_bool(s, "k"); }},
        {theme_value{2}, [](auto& s) { return theme_bool(s, "k"); }},
        {theme_value(23, 1), [](auto& s) { return theme_image(s, "k") == image_reference{}; }},
        {theme_value{}, [](auto& s) { return theme_text(s, "k").empty(); }},
    };
    for (const Case& c : cases) {
        style.set_value("k", c.stored);
        EXPECT_TRUE(c.reads_as_expected(style)) << "case " << (&c - cases);
    }
    EXPECT_EQ(theme_image(style, "no_such_image"), (image_reference{nullptr, 0, 1, 1.0f}));
}

TEST_F(ThemeStore, TypedValuesRoundTrip) {
    widget_style style;
    const image_reference picture{reinterpret_cast<const uint8_t*>("png"), 3, 2, 2.0f};
    style.set_value("a", int32_t{-7});
    style.set_value("b", 2.5f);
    style.set_value("c", color{0.1f, 0.2f, 0.3f, 0.4f});
    style.set_value("d", true);
    style.set_value("e", size{3, -4});
    style.set_value("f", quad{1, 2, 3, 4});
    style.set_value("g", "text");
    style.set_value("h", picture);
    EXPECT_EQ(theme_int(style, "a"), -7);
    EXPECT_EQ(theme_float(style, "b"), 2.5f);
    EXPECT_EQ(theme_color(style, "c"), (color{0.1f, 0.2f, 0.3f, 0.4f}));
    EXPECT_TRUE(theme_bool(style, "d"));
    EXPECT_EQ(theme_pair(style, "e"), (size{3, -4}));
    EXPECT_EQ(theme_quad(style, "f"), (quad{1, 2, 3, 4}));
    EXPECT_EQ(theme_text(style, "g"), "text");
    EXPECT_EQ(theme_lookup(style, "g").size(), 4u) << "text is stored without terminator";
    EXPECT_EQ(theme_image(style, "h"), picture);
}

TEST_F(ThemeStore, ChangesAreAnnouncedToTheListener) {
    std::vector<uint64_t> announced;
    widget_style style([&](const theme_key& key) { announced.push_back(key.hash()); });
    const uint64_t size = theme_key("label_font_size").hash();
    const uint64_t name = theme_key("label_font_name").hash();

    style.set_value("label_font_size", int32_t{3});
    style.set_value("label_font_size", int32_t{3});  // same bytes: announced again
    style.set_alias("label_font_name", "title_font_name");
    style.set_alias("label_font_name", "title_font_name");  // same target: silent
    style.set_alias("label_font_name", "intro_font_name");

    EXPECT_EQ(announced, (std::vector<uint64_t>{size, size, name, name}));
}

}  // namespace
