#include "tests/support/test_pictures.h"
#include "tests/support/widget_scene.h"
#include "ui/widgets/check_box.h"
#include "ui/widgets/check_box_layout.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace pelsdk::ui;
using pelsdk::platform::color_f;
using pelsdk::platform::rect_f;

using CheckBoxTest = WidgetTest;

TEST_F(CheckBoxTest, ArrangementsPlaceBoxAndCaption) {
    // The default picture has frames of 14 x 14; "Tick" measures 23 x 14 and the gap is 5.
    // The odd spare widths (201 - 42 and 201 - 14) show the truncating halves.
    struct Case {
        int32_t arrangement;
        int32_t box_x, text_x;            // with the caption
        int32_t bare_box_x, bare_text_x;  // without: no gap
    };
    // clang-format off
    const Case cases[] = {
        {0, 0, 19, 0, 14},    {1, 159, 178, 187, 201}, {2, 79, 98, 93, 107}, {3, 0, 178, 0, 201},
        {4, 28, 0, 0, 0},     {5, 187, 159, 187, 187}, {6, 107, 79, 93, 93}, {7, 187, 0, 187, 0},
        {8, 187, 0, 187, 0},  // unknown: the positions stay
    };
    // clang-format on
    check_box captioned, bare;
    captioned.caption = "Tick";
    Add(captioned, {0, 0, 201, 31});
    Add(bare, {0, 40, 201, 31});
    // Created: arranged centred, then disabled until the application enables it.
    EXPECT_EQ(captioned.box_rect.x, 79);
    EXPECT_FALSE(captioned.is_enabled());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arrangement);
        captioned.arrange(c.arrangement);
        bare.arrange(c.arrangement);
        EXPECT_EQ(captioned.box_rect, (rect{c.box_x, 8, 14, 14}));
        EXPECT_EQ(captioned.text_rect, (rect{c.text_x, 8, 23, 14}));
        EXPECT_EQ(bare.box_rect, (rect{c.bare_box_x, 8, 14, 14}));
        EXPECT_EQ(bare.text_rect, (rect{c.bare_text_x, 15, 0, 0}));
    }
}

TEST(CheckBoxFrames, MissingHoverAndDisabledFramesFallBackToNormal) {
    struct Case {
        uint32_t frames;
        bool hover, disabled;
        uint32_t unticked, ticked;
    };
    // clang-format off
    const Case cases[] = {
        {1, true, true, 0, 0},  {2, true, true, 0, 1},   {3, true, false, 0, 1},
        {4, true, false, 2, 3}, {4, false, true, 0, 1},  {6, false, true, 4, 5},
        {6, true, false, 2, 3}, {6, true, true, 4, 5},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.frames << c.hover << c.disabled);
        EXPECT_EQ(check_box_frame(c.frames, c.hover, c.disabled, false), c.unticked);
        EXPECT_EQ(check_box_frame(c.frames, c.hover, c.disabled, true), c.ticked);
    }
}

TEST_F(CheckBoxTest, AnyReleaseTogglesAndAnnouncesTheChangeTwice) {
    check_box box;
    bool value = false;
    box.bound = &value;
    Add(box, {20, 20, 100, 20});
    box.set_enabled(true);
    std::vector<std::vector<int64_t>> seen;  // fields, params, ticked and the bound value
    event_hub::instance().register_handler(
        &box, &box, event_type::value_changed, [&](const event_info& e) {
            seen.push_back({e.reserved1, e.reserved2, int64_t(e.param1), int64_t(e.param2),
                            box.ticked, value});
        });
    win->set_focus(&box, 1);
    // Any button's release reaching the box toggles it, wherever the pointer is; so do Space on
    // the focused box and a screen reader's default action.
    const std::function<void()> releases[] = {
        [&] { Click(30, 25); },
        [&] { Click(30, 25, 2); },
        [&] { event_hub::instance().fire(&box, event_type::mouse_up, 1); },
        [&] { Key(32); },
        [&] { win->accessibility().do_default_action(win->accessibility().focused_element()); },
    };
    bool before = false;
    for (const auto& release : releases) {
        seen.clear();
        release();
        EXPECT_EQ(seen, (std::vector<std::vector<int64_t>>{{0, 0, 0, 0, before, before},
                                                           {2, 0, 0, 0, !before, !before}}));
        before = !before;
    }
    // A value the application changed since the last paint is what the release flips.
    value = !value;
    Click(30, 25);
    EXPECT_EQ(value, before);
    // Enter is a button's key, not the box's.
    Key(13);
    EXPECT_EQ(box.ticked, before);
}

TEST_F(CheckBoxTest, PaintShowsTheBoundStateFocusAndAnOpaqueCaption) {
    // Six frames of 14 x 14; the application ticks the box through its bool.
    const auto picture = test_pictures::SolidPng(14, 84);
    check_box box;
    box.caption = "Tick";
    box.style.set_value("checkbox_image", test_pictures::Reference(picture, 6));
    box.style.set_value("checkbox_font_color", color{0.2f, 0.4f, 0.6f, 0.3f});
    bool value = false;
    box.bound = &value;
    Add(box, {20, 20, 100, 20});
    box.arrange(0);
    value = true;
    struct Case {
        const char* name;
        bool enabled, hovered;
        float source_top, text_alpha;
        bool focus_box;  // a dotted box around the box, which a hover hides
    };
    const Case cases[] = {
        {"focused", true, false, 14, 1.0f, true},
        {"focused and hovered", true, true, 42, 1.0f, false},
        {"disabled", false, false, 70, 0.5f, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MoveTo(c.hovered ? 25 : 300, 25);
        box.set_enabled(c.enabled);
        win->set_focus(&box, 0);
        Paint();
        const auto pictures = Drawn("draw_bitmap");
        ASSERT_EQ(pictures.size(), 1u);
        EXPECT_EQ(pictures[0].geometry, (rect_f{20, 23, 34, 37}));
        EXPECT_EQ(pictures[0].source, (rect_f{0, c.source_top, 14, c.source_top + 14}));
        const auto outlines = Drawn("draw_rectangle");
        ASSERT_EQ(outlines.size(), c.focus_box ? 1u : 0u);
        for (const auto& outline : outlines) {
            EXPECT_EQ(outline.geometry, (rect_f{20.5f, 23.5f, 33.5f, 36.5f}));
            EXPECT_EQ(outline.dashes, (std::vector<float>{1, 1}));
        }
        const auto captions = Drawn("draw_text");
        ASSERT_EQ(captions.size(), 1u);
        EXPECT_EQ(captions[0].local, (rect_f{19, 3, 42, 17}));
        EXPECT_EQ(captions[0].color, (color_f{0.2f, 0.4f, 0.6f, c.text_alpha}));
    }
}

}  // namespace
