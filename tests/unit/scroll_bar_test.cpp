#include "tests/support/widget_scene.h"
#include "ui/widgets/scroll_bar.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

using namespace pelsdk::ui;
using pelsdk::platform::rect_f;

// A viewport of 300 x 250 holding a content 280 x 1000, and beside it a vertical bar 20 x 250
// with a minimum thumb of 20. Every value_changed parameter is kept.
class ScrollBarTest : public WidgetTest {
protected:
    void Place(bool buttons = false) {
        bar->show_buttons = buttons;
        bar->style.set_value("scroll_min_size", 20);
        Add(viewport, {0, 0, 300, 250});
        Add(*content, viewport, {0, 0, 280, 1000});
        Add(*bar, {300, 0, 20, 250});
        bar->set_content(content.get());
        event_hub::instance().register_handler(
            bar.get(), bar.get(), event_type::value_changed,
            [this](const event_info& e) { changes.push_back(static_cast<int64_t>(e.param1)); });
    }
    void Wheel(int32_t x, double delta) {
        MoveTo(x, 100);
        win->dispatch(event_type::mouse_wheel, event_param(&delta), 0);
    }

    widget viewport;
    std::unique_ptr<widget> content = std::make_unique<widget>();
    std::unique_ptr<scroll_bar> bar = std::make_unique<scroll_bar>(0);
    std::vector<int64_t> changes;
};

TEST(ScrollGeometry, ThumbLengthAndTravel) {
    struct Case {
        scroll_extent extent;  // content, viewport, offset, bar, button, minimum thumb
        scroll_metrics expected;
    };
    // clang-format off
    const Case cases[] = {
        {{1000, 250, 0, 250, 0, 20}, {750, 0, 0, 62, 188.0f / 750}},  // a quarter shows
        {{1000, 250, 0, 250, 0, 100}, {750, 0, 0, 100, 150.0f / 750}},  // raised to the minimum
        {{1000, 250, -40, 250, 0, 300}, {750, 40, 0, 250, 0}},  // minimum past the track
        {{200, 250, 0, 250, 0, 20}, {0, 0, 0, 250, 0}},  // fits
        {{1000, 250, -300, 250, 20, 20}, {750, 300, 83, 52, 158.0f / 750}},  // buttons
        {{1000, 250, -900, 250, 0, 20}, {750, 750, 188, 62, 188.0f / 750}},  // past the end
        {{1000, 250, 5, 250, 0, 20}, {750, 0, 0, 62, 188.0f / 750}},  // placed below its start
        {{1000, 250, 0, 30, 20, 20}, {750, 0, 20, 0, 0}},  // no room for a track
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        const scroll_metrics got = measure_scroll(c.extent);
        const scroll_metrics& e = c.expected;
        EXPECT_EQ((std::vector{got.max_scroll, got.position, got.thumb_start, got.thumb_length}),
                  (std::vector{e.max_scroll, e.position, e.thumb_start, e.thumb_length}));
        EXPECT_FLOAT_EQ(got.pixels_per_unit, e.pixels_per_unit);
    }
}

TEST_F(ScrollBarTest, SizeChangesKeepTheContentInRangeAndTheBarShownOnlyOnOverflow) {
    Place();
    EXPECT_EQ(bar->thumb, (rect{0, 0, 20, 62}));
    struct Case {
        widget* resized;
        int32_t from, height;
        int32_t content_y, max_scroll;
        bool shown;
    };
    const Case cases[] = {
        {content.get(), 300, 200, 0, 0, false},  // fits: back to the start
        {content.get(), 300, 250, 0, 0, false},
        {content.get(), 300, 400, -150, 150, true},
        {&viewport, 750, 400, -600, 600, true},  // at the end: the end stays at the viewport's end
        {&viewport, 100, 400, -100, 600, true},  // reaching past the end: stays
        {&viewport, 750, 1200, 0, 0, false},
        {&viewport, 750, 200, -750, 800, true},  // shrinking pulls nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        viewport.set_bounds({0, 0, 300, 250}, true);
        content->set_bounds({0, 0, 280, 1000}, true);
        bar->scroll_to(c.from, true);
        changes.clear();
        const rect was = c.resized->bounds;
        c.resized->set_bounds({was.x, was.y, was.width, c.height}, true);
        EXPECT_EQ(content->bounds.y, c.content_y);
        EXPECT_EQ(bar->max_scroll, c.max_scroll);
        EXPECT_EQ(bar->position, -c.content_y);
        EXPECT_EQ(bar->is_visible(false), c.shown);
        // A shrunk content is scrolled back; a growing viewport only pulls the content along.
        const bool scrolled = c.resized == content.get();
        EXPECT_EQ(changes, scrolled ? std::vector<int64_t>{-c.content_y} : std::vector<int64_t>{});
    }
}

TEST_F(ScrollBarTest, PressesOnTheTrackMoveTheThumbAndTheButtonsActOnRelease) {
    Place(true);
    struct Case {
        int32_t press_y, release_y;
        uint64_t button;
        int32_t after_press, after_release;
        bool drags;
    };
    // From 100 the thumb, 52 long between the buttons of 20, runs from 41 to 93.
    const Case cases[] = {
        {150, 150, 0, 370, 370, false},  // after the thumb: its end comes to 149
        {30, 30, 0, 47, 47, false},      // before it: its start comes to 29
        {41, 41, 0, 100, 100, true},     // on the thumb, ends included
        {93, 93, 0, 100, 100, true},
        {150, 150, 2, 100, 100, false},  // the right button does nothing
        {240, 240, 0, 100, 110, false},  // end button
        {5, 5, 0, 100, 90, false},       // start button
        {240, 150, 0, 100, 100, false},  // released off the button
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        bar->scroll_to(100, true);
        MoveTo(310, c.press_y);
        Press(c.button);
        EXPECT_EQ(bar->position, c.after_press);
        EXPECT_EQ(bar->dragging, c.drags);
        if (!c.drags) MoveTo(310, c.release_y);
        Release(c.button);
        EXPECT_EQ(bar->position, c.after_release);
    }
}

TEST_F(ScrollBarTest, DragsSnapToTheStepAndStopAtTheEnd) {
    Place();
    struct Case {
        int32_t step, from, press_y;  // the press is on the thumb
        std::vector<int32_t> moves;   // pointer y, beside the bar: the capture keeps the drag
        std::vector<int64_t> asked;
        int32_t position;
    };
    const Case cases[] = {
        {10, 0, 30, {77, 330}, {180, 1190}, 750},
        {0, 0, 30, {77, 50}, {187, 79}, 79},         // no snapping, and no division by the step
        {10, 300, 100, {125, -50}, {390, -290}, 0},  // the thumb starts at 75
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        bar->step = c.step;
        bar->scroll_to(c.from, true);
        changes.clear();
        MoveTo(310, c.press_y);
        Press();
        EXPECT_EQ(window::capture(), bar.get());
        for (int32_t y : c.moves) MoveTo(150, y);
        Release();
        EXPECT_EQ(window::capture(), nullptr);
        MoveTo(310, 200);
        EXPECT_EQ(changes, c.asked);
        EXPECT_EQ(bar->position, c.position);
    }
}

TEST_F(ScrollBarTest, WheelOverTheBarOrTheContent) {
    Place();
    bar->style.set_value("scroll_speed_multiplier", 3);
    struct Case {
        bool ctrl, right_alt, shift;
        int32_t x;  // over the content at 100, over the bar at 310
        double delta;
        int32_t position;  // from 300, and the position value_changed carries
    };
    const Case cases[] = {
        {false, false, false, 310, -60.9, 360},  // truncated
        {false, false, false, 100, 60, 240},
        {true, false, false, 100, -60, 300},  // Ctrl+wheel is no scrolling
        {true, true, false, 310, -60, 360},   // but AltGr, which also reports Ctrl, is
        {false, false, true, 100, -60, 480},
        {false, false, true, 310, 120, 0},  // stopped at the start
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        bar->scroll_to(300, true);
        host->ctrl = c.ctrl;
        host->right_alt = c.right_alt;
        host->shift = c.shift;
        changes.clear();
        Wheel(c.x, c.delta);
        EXPECT_EQ(content->bounds.y, -c.position);
        EXPECT_EQ(changes, c.ctrl && !c.right_alt ? std::vector<int64_t>{}
                                                  : std::vector<int64_t>{c.position});
    }
}

TEST_F(ScrollBarTest, EachOrientationDrawsItsPartsAndTakesItsWheel) {
    struct Case {
        uint32_t orientation;
        rect content_area, bar_area;
        std::vector<rect_f> fills;  // background, thumb, start button, end button
        std::vector<rect_f> lines;  // three grip lines, then the buttons' start edges
        std::vector<rect_f> arrows, sources;
        int32_t wheel_over_content;
    };
    // clang-format off
    const Case cases[] = {
        {0, {0, 0, 280, 1000}, {300, 0, 20, 250},
         {{300, 0, 320, 250}, {300, 20, 320, 72}, {300, 0, 320, 20}, {300, 230, 320, 250}},
         {{304.5f, 43.5f, 316.5f, 43.5f}, {304.5f, 46.5f, 316.5f, 46.5f},
          {304.5f, 49.5f, 316.5f, 49.5f}, {300.5f, 0.5f, 320.5f, 0.5f},
          {300.5f, 230.5f, 320.5f, 230.5f}},
         {{306, 8, 314, 12}, {306, 238, 314, 242}}, {{0, 0, 8, 4}, {0, 4, 8, 8}}, -60},
        {1, {0, 0, 1200, 250}, {0, 260, 300, 20},
         {{0, 260, 300, 280}, {20, 260, 85, 280}, {0, 260, 20, 280}, {280, 260, 300, 280}},
         {{49.5f, 264.5f, 49.5f, 276.5f}, {52.5f, 264.5f, 52.5f, 276.5f},
          {55.5f, 264.5f, 55.5f, 276.5f}, {0.5f, 260.5f, 0.5f, 280.5f},
          {280.5f, 260.5f, 280.5f, 280.5f}},
         {{8, 266, 12, 274}, {288, 266, 292, 274}}, {{0, 0, 4, 8}, {4, 0, 8, 8}}, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.orientation);
        widget area, scrolled;
        scroll_bar shown(c.orientation);
        shown.show_buttons = true;
        shown.style.set_value("scroll_min_size", 20);
        Add(area, {0, 0, 300, 250});
        Add(scrolled, area, c.content_area);
        Add(shown, c.bar_area);
        shown.set_content(&scrolled);
        Paint();
        auto drawn = [this](const char* kind, bool source) {
            std::vector<rect_f> found;
            for (const auto& p : Drawn(kind)) found.push_back(source ? p.source : p.geometry);
            return found;
        };
        EXPECT_EQ(drawn("fill_rectangle", false), c.fills);
        EXPECT_EQ(drawn("draw_line", false), c.lines);
        EXPECT_EQ(drawn("draw_bitmap", false), c.arrows);
        EXPECT_EQ(drawn("draw_bitmap", true), c.sources);
        Wheel(100, -60);  // only a vertical bar listens over its content
        EXPECT_EQ(scrolled.bounds.x + scrolled.bounds.y, c.wheel_over_content);
    }
}

// Growing the viewport afterwards pulls no content left behind and touches nothing that is gone.
TEST_F(ScrollBarTest, ConnectionsEndWithTheBarOrTheContent) {
    Place();
    bar->scroll_to(750, true);
    bar.reset();
    EXPECT_FALSE(event_hub::instance().has_handler(&viewport, event_type::resized));
    viewport.set_bounds({0, 0, 300, 400}, true);
    EXPECT_EQ(content->bounds.y, -750);

    viewport.set_bounds({0, 0, 300, 250}, true);
    bar = std::make_unique<scroll_bar>(0);
    Add(*bar, {300, 0, 20, 250});
    bar->set_content(content.get());
    EXPECT_EQ(content->bounds.y, 0) << "a new bar starts at the top";
    content.reset();
    EXPECT_FALSE(event_hub::instance().has_handler(&viewport, event_type::resized));
    EXPECT_FALSE(bar->content != nullptr || bar->is_visible(false));
    viewport.set_bounds({0, 0, 300, 400}, true);
}

}  // namespace
