#include "tests/support/test_pictures.h"
#include "tests/support/widget_scene.h"
#include "ui/widgets/generic_button.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace pelsdk::ui;
using pelsdk::platform::rect_f;

// Fills in red, outlines in green, captions in blue.
constexpr color kFill{0.1f, 0, 0, 1}, kFillHover{0.2f, 0, 0, 1}, kFillPressed{0.3f, 0, 0, 1},
    kFillToggle{0.4f, 0, 0, 1}, kBorder{0, 0.1f, 0, 1}, kBorderHover{0, 0.2f, 0, 1},
    kBorderFocus{0, 0.3f, 0, 1}, kText{0, 0, 0.1f, 1}, kTextHover{0, 0, 0.2f, 1},
    kTextPressed{0, 0, 0.3f, 1};

// A button "OK" at {50, 40, 110, 30} inside a full-window panel, with its own colours.
class GenericButtonTest : public WidgetTest {
protected:
    void SetUp() override {
        Add(panel, {0, 0, 400, 300});
        Add(button, panel, {50, 40, 110, 30});
        button.caption = "OK";
        // clang-format off
        const struct { theme_key key; color value; } colors[] = {
            {"button_color_normal", kFill}, {"button_color_hover", kFillHover},
            {"button_color_pressed", kFillPressed}, {"button_color_toggle", kFillToggle},
            {"button_border_color_normal", kBorder}, {"button_border_color_hover", kBorderHover},
            {"button_border_color_focus", kBorderFocus}, {"button_font_color", kText},
            {"button_font_color_hover", kTextHover}, {"button_font_color_pressed", kTextPressed}};
        // clang-format on
        for (const auto& [key, value] : colors) button.style.set_value(key, value);
    }
    void TearDown() override { window::release_capture(); }
    // Back to rest: no capture, pointer away, untoggled, enabled, unfocused.
    void Rest() {
        window::release_capture();
        MoveTo(300, 250);
        button.toggled = false;
        panel.set_enabled(true);
        win->set_focus(&win->root, 0);
    }

    widget panel;
    generic_button button;
};

TEST_F(GenericButtonTest, EachStateHasItsFillOutlineAndCaptionColours) {
    struct Case {
        const char* name;
        std::function<void()> arrange;
        color fill, border, text;
        bool dotted, half;
    };
    const auto hover = [&] { MoveTo(60, 50); };
    const auto press = [&] {
        MoveTo(60, 50);
        Press();
    };
    const auto focus = [&] { win->set_focus(&button, 0); };
    // clang-format off
    const Case cases[] = {
        {"normal", [] {}, kFill, kBorder, kText, false, false},
        {"hover", hover, kFillHover, kBorderHover, kTextHover, false, false},
        {"pressed", press, kFillPressed, kBorderHover, kTextPressed, false, false},
        // Held but slid off: not pressed, and still hovered since the capture keeps the moves.
        {"slid off", [&] { press(); MoveTo(300, 200); },
         kFillHover, kBorderHover, kTextHover, false, false},
        {"toggled", [&] { button.toggled = true; }, kFillToggle, kBorder, kText, false, false},
        {"toggled hover", [&] { button.toggled = true; hover(); },
         kFillHover, kBorderHover, kTextHover, false, false},
        {"focused", focus, kFill, kBorderFocus, kText, true, false},
        {"focused in a disabled panel", [&] { focus(); panel.set_enabled(false); },
         kFill, kBorderFocus, kText, true, true},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.arrange();
        Paint();
        const auto fills = Drawn("fill_rectangle"), outlines = Drawn("draw_rectangle");
        const auto captions = Drawn("draw_text");
        ASSERT_EQ((std::vector{fills.size(), outlines.size(), captions.size()}),
                  (std::vector<size_t>{1, 1, 1}));
        EXPECT_EQ(fills[0].geometry, (rect_f{50, 40, 160, 70}));
        EXPECT_EQ(fills[0].color, F(c.fill, c.half));
        EXPECT_EQ(outlines[0].geometry, (rect_f{50.5f, 40.5f, 159.5f, 69.5f}));
        EXPECT_EQ(outlines[0].color, F(c.border, c.half));
        EXPECT_EQ(outlines[0].dashes.empty(), !c.dotted);
        EXPECT_EQ(captions[0].color, F(c.text, c.half));
        Rest();
    }
}

TEST_F(GenericButtonTest, RoundedFillAndCaptionPlacement) {
    button.style.set_value("button_round_edges", true);
    struct Round {
        float radius, alpha, drawn;  // drawn: the radius used, 0 for no fill
    };
    // A radius of 0 makes pill ends; a transparent fill draws nothing.
    for (const Round r : {Round{0, 1, 15}, Round{6, 1, 6}, Round{0, 0, 0}}) {
        button.style.set_value("button_round_radius", r.radius);
        button.style.set_value("button_color_normal", color{0.1f, 0, 0, r.alpha});
        Paint();
        EXPECT_TRUE(Drawn("fill_rectangle").empty());
        const auto fills = Drawn("fill_rounded_rectangle");
        ASSERT_EQ(fills.size(), r.drawn == 0 ? 0u : 1u) << r.radius << " " << r.alpha;
        EXPECT_TRUE(fills.empty() || fills[0].width == r.drawn) << r.radius;
    }

    // With margins {4, 3}: wrapped inside them, or one line cut at them and placed by alignment.
    button.caption = "A caption far longer than the button";
    button.style.set_value("button_text_margins", size{4, 3});
    struct Case {
        bool clip;
        int32_t align;
        rect_f layout;
    };
    for (const Case& c : {Case{false, 0, {4, 3, 106, 27}}, Case{true, 0, {4, 3, 1114, 27}},
                          Case{true, 1, {-500, 3, 602, 27}}, Case{true, 2, {-1000, 3, 102, 27}}}) {
        button.style.set_value("button_text_clip", c.clip);
        button.style.set_value("button_font_alignment", c.align);
        Paint();
        ASSERT_EQ(Drawn("draw_text").size(), 1u);
        EXPECT_EQ(Drawn("draw_text")[0].local, c.layout) << c.align;
        EXPECT_EQ(Drawn("draw_text")[0].clips.back().first,
                  (c.clip ? rect_f{54, 43, 156, 67} : rect_f{50, 40, 160, 70}));
    }
}

TEST(ButtonFrames, StatesFallBackToTheFramesAPictureHas) {
    struct Case {
        bool toggled, hover, disabled, pressed;
        const char* frames;  // the frame drawn for pictures of 1 to 8 frames
    };
    // clang-format off
    const Case cases[] = {
        {false, false, false, false, "00000000"}, {false, true, false, false, "01111111"},
        {false, false, true, false, "00222222"},  {false, false, false, true, "00033333"},
        {false, true, true, false, "01222222"},   {false, true, true, true, "01233333"},
        {true, false, false, false, "00004444"},  {true, true, false, false, "01111555"},
        {true, false, true, false, "00222266"},   {true, false, false, true, "00033337"},
        {true, true, true, false, "01222266"},    {true, true, false, true, "01133337"},
        {true, true, true, true, "01233337"},
    };
    // clang-format on
    for (const Case& c : cases) {
        std::string frames;
        for (uint32_t n = 1; n <= 8; ++n) {
            frames += char('0' + button_frame(n, {c.toggled, c.hover, c.disabled, c.pressed}));
        }
        EXPECT_EQ(frames, c.frames) << c.toggled << c.hover << c.disabled << c.pressed;
    }
}

TEST_F(GenericButtonTest, PicturesDrawTheirFramesAndReloadOnTheirKeysOnly) {
    // Face: 40 x 60 in four frames of 15, centred. Background: 60 x 160 dips at scale 2 in
    // eight frames of 20, as two 20-wide ends and a stretched middle.
    const auto face = test_pictures::SolidPng(40, 60, {200, 100, 50, 255});
    const auto back = test_pictures::SolidPng(120, 320);
    button.style.set_value("button_image", test_pictures::Reference(face, 4));
    button.style.set_value("button_back_image", test_pictures::Reference(back, 8, 2.0f));
    button.toggled = true;
    MoveTo(60, 50);  // hovered: frame 1 of the face, 5 of the background
    Paint();
    const auto bitmaps = Drawn("draw_bitmap");
    ASSERT_EQ(bitmaps.size(), 4u);
    const rect_f back_at[] = {{50, 40, 70, 60}, {70, 40, 140, 60}, {140, 40, 160, 60}};
    for (int slice = 0; slice < 3; ++slice) {
        EXPECT_EQ(bitmaps[slice].geometry, back_at[slice]);
        EXPECT_EQ(bitmaps[slice].source, (rect_f{slice * 40.f, 200, slice * 40.f + 40, 240}));
    }
    EXPECT_EQ(bitmaps[3].geometry, (rect_f{85, 47, 125, 62}));
    EXPECT_EQ(bitmaps[3].source, (rect_f{0, 15, 40, 30}));
    button.style.set_value("button_image_strech", true);
    Paint();
    EXPECT_EQ(Drawn("draw_bitmap")[3].geometry, (rect_f{50, 40, 160, 70}));
    button.style.set_value("button_image_strech", false);

    // Centred when loaded: a resize and another key leave it in place.
    button.set_bounds({50, 40, 210, 30}, true);
    button.style.set_value("button_color_normal", kFillHover);
    Paint();
    EXPECT_EQ(button.image_rect, (rect{35, 7, 40, 15}));
    button.style.set_value("button_image_filter_multiply", color{0.5f, 0.5f, 0.5f, 1});
    EXPECT_FALSE(button.image->is_loaded());
    Paint();
    EXPECT_EQ(button.image_rect, (rect{85, 7, 40, 15}));
    const pixel_access pixels = button.image->lock_pixels();
    EXPECT_EQ(std::vector<int>(pixels.data, pixels.data + 4),
              (std::vector<int>{25, 50, 100, 255}));
    button.image->unlock_pixels(pixels);
}

TEST_F(GenericButtonTest, LeftPressAndReleaseOnTheButtonClicks) {
    struct Case {
        const char* name;
        bool toggle_mode, reset_hover;
        std::function<void()> act;
        std::vector<uint64_t> clicks;  // param1 of each
        bool hover_after;
    };
    const auto press = [&](int32_t x, int32_t y) {
        MoveTo(x, y);
        Press();
    };
    // clang-format off
    const Case cases[] = {
        {"click", false, false, [&] { Click(60, 50); }, {0}, true},
        {"click resets hover", false, true, [&] { Click(60, 50); }, {0}, false},
        {"released on the far edge", false, false,
         [&] { press(60, 50); MoveTo(160, 70); Release(); }, {0}, true},
        {"dragged off", false, false,
         [&] { press(60, 50); MoveTo(300, 50); Release(); }, {}, true},
        {"dragged back", false, false,
         [&] { press(60, 50); MoveTo(300, 50); MoveTo(70, 50); Release(); }, {0}, true},
        {"right button", false, false, [&] { Click(60, 50, 2); }, {}, true},
        {"enter", false, false, [&] { win->set_focus(&button, 0); Key(32); Key(13); }, {0}, false},
        {"toggles", true, false, [&] { Click(60, 50); Click(60, 50); Key(13); }, {1, 0, 1}, true},
    };
    // clang-format on
    std::vector<uint64_t> clicks;
    event_hub::instance().register_handler(
        &button, &button, event_type::clicked,
        [&](const event_info& e) { clicks.push_back(e.param1); });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clicks.clear();
        button.toggle_mode = c.toggle_mode;
        button.style.set_value("button_reset_hover", c.reset_hover);
        c.act();
        EXPECT_EQ(clicks, c.clicks);
        EXPECT_EQ(button.hover, c.hover_after);
        EXPECT_EQ(window::capture(), nullptr);
        EXPECT_EQ(button.toggled, c.toggle_mode && clicks.size() % 2 == 1);
        Rest();
    }
}

TEST_F(GenericButtonTest, AutoSizeFitsTheCaptionWithinTheLimits) {
    struct Case {
        const char* caption;
        size margins, limits;
        float font_size;
        int32_t min_width, width;
    };
    // "Install" is 7 units: 38.5 dips at size 11, measured as 39.
    constexpr int32_t kAny = INT32_MIN;
    // clang-format off
    const Case cases[] = {
        {"", {0, 0}, {0, 0}, 11, kAny, 30},          {"", {20, 0}, {0, 0}, 11, kAny, 40},
        {"Install", {0, 0}, {0, 0}, 11, kAny, 69},   {"Install", {0, 0}, {0, 0}, 22, kAny, 108},
        {"Install", {0, 0}, {80, 0}, 11, kAny, 80},  {"Install", {0, 0}, {10, 50}, 11, kAny, 50},
        {"Install", {0, 0}, {90, 50}, 11, kAny, 90}, {"Install", {0, 0}, {0, 0}, 11, 120, 120},
    };
    // clang-format on
    for (const Case& c : cases) {
        button.caption = c.caption;
        button.min_size = {c.min_width, 0};
        // Switched on first: each later key fits again.
        button.style.set_value("button_auto_size", true);
        button.style.set_value("button_text_margins", c.margins);
        button.style.set_value("button_auto_size_min_max", c.limits);
        button.style.set_value("button_font_size", c.font_size);
        EXPECT_EQ(button.requested, (rect{50, 40, c.width, 30})) << c.caption << " " << c.width;
        button.style.set_value("button_auto_size", false);
    }
}

}  // namespace
