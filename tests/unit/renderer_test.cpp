#include <gtest/gtest.h>

#include "platform/headless/recording_graphics.h"
#include "tests/support/widget_drawing.h"
#include "ui/base/pel_exception.h"
#include "ui/core/widget.h"
#include "ui/render/renderer.h"

namespace {

using namespace pelsdk::ui;
using pelsdk::platform::antialias_mode;
using pelsdk::platform::rect_f;
using pelsdk::platform::recording_graphics;

class RendererTest : public ::testing::Test {
protected:
    const pelsdk::platform::recorded_primitive& Only(const std::string& kind) {
        const pelsdk::platform::recorded_primitive* found = nullptr;
        for (const auto& p : graphics.primitives) {
            if (p.kind == kind) {
                EXPECT_EQ(found, nullptr) << "more than one " << kind;
                found = &p;
            }
        }
        EXPECT_NE(found, nullptr) << "no " << kind;
        return *found;
    }

    recording_graphics graphics;
    renderer drawing{graphics, nullptr};
    widget root;
    const update_area everything{0, 0, 1024, 610};
};

TEST_F(RendererTest, NestedWidgetsComposeScaleAndOffset) {
    widget child;
    root.bounds = {10, 20, 100, 50};
    root.scale = 2.0f;
    child.bounds = {5, 6, 10, 10};
    drawing.set_fill_color({1, 0, 0, 1});

    BeginWidget(drawing, child, {1, 2, 300, 400}, BeginWidget(drawing, root, {1, 2, 300, 400}));
    drawing.fill_rect({0, 0, 10, 10});
    drawing.end_widget();
    drawing.end_widget();

    const auto& fill = Only("fill_rectangle");
    EXPECT_EQ(fill.transform, (pelsdk::platform::matrix_f{2, 0, 0, 2, 20, 32}));
    EXPECT_EQ(fill.geometry, (rect_f{20, 32, 40, 52}));
    // The update area is pushed untransformed and aliased; each widget's own box under its
    // transform, scale included, per primitive.
    const auto aliased = antialias_mode::aliased, smooth = antialias_mode::per_primitive;
    EXPECT_EQ(fill.clips, (std::vector<std::pair<rect_f, antialias_mode>>{
                              {{1, 2, 300, 400}, aliased}, {{10, 20, 210, 120}, smooth},
                              {{1, 2, 300, 400}, aliased}, {{20, 32, 40, 52}, smooth}}));
}

TEST_F(RendererTest, FractionalScalesWidenClipsAndFills) {
    drawing.set_dpi_and_size(144, 144, 300, 300);
    struct Case {
        int32_t width;
        float widened;
    };
    // 3 x 1.5 = 4.5 covers a fifth pixel; 4 x 1.5 = 6 has no fraction.
    for (const Case c : {Case{3, 4}, Case{4, 4}, Case{1, 2}, Case{0, 0}}) {
        graphics.primitives.clear();
        root.bounds = {0, 0, c.width, c.width};
        drawing.set_fill_color({1, 1, 1, 1});
        BeginWidget(drawing, root, everything);
        drawing.fill_rect({2, 3, c.width, c.width});
        const auto& fill = Only("fill_rectangle");
        EXPECT_EQ(fill.clips.back().first, (rect_f{0, 0, c.widened, c.widened}));
        EXPECT_EQ(fill.local, (rect_f{2, 3, 2 + c.widened, 3 + c.widened}));
        drawing.end_widget();
    }
    EXPECT_EQ(graphics.calls.front(), "set_dpi 144.000000 144.000000");
}

TEST_F(RendererTest, OutlinesAndLinesSitOnPixelCentres) {
    root.bounds = {0, 0, 100, 100};
    BeginWidget(drawing, root, everything);
    struct Case {
        float width;
        rect_f outline;
        float lineOffset;
    };
    const Case cases[] = {
        {1, {0.5f, 0.5f, 9.5f, 9.5f}, 0.5f},
        {2, {1, 1, 9, 9}, 0},
        {3, {1.5f, 1.5f, 8.5f, 8.5f}, 0.5f},
    };
    for (const Case& c : cases) {
        graphics.primitives.clear();
        drawing.set_stroke({1, 1, 1, 1}, c.width);
        drawing.draw_rect({0, 0, 10, 10});
        drawing.draw_line({2, 3}, {8, 3});
        EXPECT_EQ(Only("draw_rectangle").local, c.outline);
        EXPECT_EQ(Only("draw_rectangle").antialias, antialias_mode::aliased);
        EXPECT_EQ(Only("draw_line").local,
                  (rect_f{2 + c.lineOffset, 3 + c.lineOffset, 8 + c.lineOffset, 3 + c.lineOffset}));
    }
    drawing.set_stroke_style(stroke_style::dashed);
    drawing.draw_line({0, 0}, {5, 0});
    EXPECT_EQ(graphics.primitives.back().dashes, (std::vector<float>{4, 4}));
    drawing.set_stroke_style(stroke_style::dotted);
    drawing.draw_rect({0, 0, 5, 5});
    EXPECT_EQ(graphics.primitives.back().dashes, (std::vector<float>{1, 1}));
    // Drawing returns to antialiased edges afterwards.
    drawing.set_fill_color({1, 1, 1, 1});
    drawing.fill_rect({0, 0, 1, 1});
    EXPECT_EQ(graphics.primitives.back().antialias, antialias_mode::per_primitive);
    drawing.end_widget();
}

TEST_F(RendererTest, InvisibleColoursAndZeroWidthsDrawNothing) {
    root.bounds = {0, 0, 100, 100};
    BeginWidget(drawing, root, everything);
    drawing.set_fill_color({1, 1, 1, 0});
    drawing.fill_rect({0, 0, 5, 5});
    drawing.fill_rounded_rect({0, 0, 5, 5}, 2);
    drawing.fill_ellipse({3, 3}, 2, {0, 0, 0, 0});
    drawing.set_stroke({1, 1, 1, 0}, 1);
    drawing.draw_rect({0, 0, 5, 5});
    drawing.set_stroke({1, 1, 1, 1}, 0);
    drawing.draw_line({0, 0}, {5, 5});
    EXPECT_TRUE(graphics.primitives.empty());

    drawing.set_fill_color({0, 0, 0, 0.01f});
    drawing.fill_ellipse({15, 15}, 14, {0, 0, 20, 30});
    const auto& ellipse = Only("fill_ellipse");
    EXPECT_EQ(ellipse.local, (rect_f{1, 1, 29, 29}));
    EXPECT_EQ(ellipse.clips.back().first, (rect_f{0, 0, 20, 30}));
    drawing.fill_vertical_gradient({0, 10, 5, 20}, {1, 0, 0, 1}, {0, 0, 1, 1});
    EXPECT_EQ(Only("fill_vertical_gradient").local, (rect_f{0, 10, 5, 30}));
    drawing.end_widget();
}

TEST_F(RendererTest, TextRunsSetFontsAndColoursPerRange) {
    root.bounds = {0, 0, 300, 100};
    BeginWidget(drawing, root, everything);
    drawing.set_text_color({0.5f, 0.5f, 0.5f, 1});
    drawing.set_font("Tahoma", 11, font_weight::bold, font_style::italic, true);
    drawing.set_text_align(text_align::right, text_valign::top);
    text_run link;
    link.start = 4;
    link.end = 8;
    link.family = "Verdana";
    link.size = 14;
    link.color = {0, 0, 1, 1};
    text_run plain;
    plain.start = 0;
    plain.end = 3;
    plain.weight = static_cast<font_weight>(9);  // unknown: normal
    drawing.draw_text({10, 20, 200, 40}, "ab\xc3\xa9 link", {link, plain});
    drawing.end_widget();

    const auto& text = Only("draw_text");
    EXPECT_EQ(text.text, u"ab\u00e9 link");
    EXPECT_EQ(text.local, (rect_f{10, 20, 210, 60}));
    EXPECT_EQ(text.color, (pelsdk::platform::color_f{0.5f, 0.5f, 0.5f, 1}));
    EXPECT_EQ(text.alignment, pelsdk::platform::text_alignment::trailing);
    EXPECT_EQ(text.paragraph, pelsdk::platform::paragraph_alignment::near_edge);
    std::vector<std::string> seen;
    for (const auto& f : text.formats) {
        seen.push_back(f.property + " " + std::to_string(f.range.start) + "+" +
                       std::to_string(f.range.length) + " " + std::to_string(int(f.number)));
    }
    // The whole text in the current font, then each run over it, then the runs' colours.
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "weight 0+8 700", "style 0+8 2", "family 0+8 0", "size 0+8 11", "underline 0+8 1",
                        "weight 4+4 400", "style 4+4 0", "family 4+4 0", "size 4+4 14", "underline 4+4 0",
                        "weight 0+3 400", "style 0+3 0", "family 0+3 0", "size 0+3 11", "underline 0+3 0",
                        "effect 4+4 1", "effect 0+3 1"}));
    EXPECT_EQ(text.formats[15].color, (pelsdk::platform::color_f{0, 0, 1, 1}));
    // A run colour of all zeros means the current text colour.
    EXPECT_EQ(text.formats[16].color, (pelsdk::platform::color_f{0.5f, 0.5f, 0.5f, 1}));
    EXPECT_EQ(text.formats[7].family, u"Verdana");

    // The alignment stays for the next widget that draws text without setting it.
    widget next;
    BeginWidget(drawing, next, everything);
    drawing.draw_text_clipped({0, 0, 50, 20}, {0, 0, 25, 20}, "x");
    drawing.end_widget();
    const auto& clipped = graphics.primitives.back();
    EXPECT_EQ(clipped.alignment, pelsdk::platform::text_alignment::trailing);
    EXPECT_EQ(clipped.clips.back(), std::make_pair(rect_f{0, 0, 25, 20}, antialias_mode::aliased));
    // Clipped text keeps the current font but is never underlined.
    seen.clear();
    for (const auto& f : clipped.formats) seen.push_back(f.property + " " + std::to_string(int(f.number)));
    EXPECT_EQ(seen, (std::vector<std::string>{"weight 700", "style 2", "family 0", "size 11"}));
    EXPECT_EQ(clipped.formats[2].family, u"Tahoma");
}

TEST_F(RendererTest, MeasuresAndBoundsFollowTheLayout) {
    drawing.set_font("Tahoma", 10, font_weight::normal, font_style::normal, false);
    // Five dips a character, lines 12 high; the result is trunc(extent + 1).
    EXPECT_EQ(drawing.measure_text("abcd", {0, 0}, {}), (size{21, 13}));
    EXPECT_EQ(drawing.measure_text("hello world", {40, 0}, {}), (size{31, 25}));
    text_run large;
    large.end = 2;
    large.size = 20;
    EXPECT_EQ(drawing.measure_text("abcd", {0, 0}, {large}), (size{31, 25}));

    // One layout answers every range; empty and reversed ranges have no box.
    EXPECT_EQ(drawing.text_range_bounds("hello world", {{6, 11}, {2, 2}, {0, 5}, {4, 2}},
                                        {1000, 100}, {}),
              (std::vector<rect>{{30, 0, 25, 12}, {0, 0, 0, 0}, {0, 0, 25, 12}, {0, 0, 0, 0}}));
    EXPECT_EQ(drawing.text_range_bounds("hello world", {{3, 8}}, {40, 100}, {}),
              (std::vector<rect>{{0, 0, 30, 24}}));
    EXPECT_TRUE(drawing.text_range_bounds("hello", {}, {100, 100}, {}).empty());

    graphics.fails = recording_graphics::failure::text_layout;
    EXPECT_EQ(drawing.measure_text("abcd", {0, 0}, {}), (size{0, 0}));
    EXPECT_EQ(drawing.text_range_bounds("abcd", {{0, 2}}, {100, 100}, {}),
              (std::vector<rect>{{0, 0, 0, 0}}));
    drawing.draw_text({0, 0, 10, 10}, "abcd", {});
    EXPECT_TRUE(graphics.primitives.empty());
}

TEST(RendererConstruction, EachFailureHasItsMessage) {
    using failure = recording_graphics::failure;
    const std::pair<failure, std::string> cases[] = {
        {failure::drawing_factory, "unable to create a d2d resource factory"},
        {failure::window_target, "unable to create a d2d render target"},
        {failure::brush, "unable to create one or more solid brushes"},
        {failure::writing_factory, "unable to create the write factory"},
        {failure::text_format, "unable to initialize the d2d write factory"},
        {failure::stroke_style, "unable to initialize the dotted stroke"},
    };
    for (const auto& [step, message] : cases) {
        recording_graphics graphics;
        graphics.fails = step;
        try {
            renderer drawing(graphics, nullptr);
            ADD_FAILURE() << "no exception for " << message;
        } catch (const pel_exception& e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
    }
}

}  // namespace
