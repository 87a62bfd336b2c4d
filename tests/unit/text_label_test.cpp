// The text label on a scripted window: the recording backend's text model (half the font size
// per UTF-16 unit, lines round(1.2 x size) high) makes every size and area exact.
#include "tests/support/widget_scene.h"
#include "ui/widgets/text_label.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace pelsdk::ui;
using pelsdk::platform::color_f;
using pelsdk::platform::cursor_shape;
using pelsdk::platform::rect_f;

class TextLabelTest : public WidgetTest {
protected:
    // Visible colours, right and bottom alignment, a 10-dip font: 5 dips a unit, 12 a line.
    static void Look(text_label& label) {
        label.style.set_value("default_back_color", color{0.1f, 0.2f, 0.3f, 1});
        label.style.set_value("default_border_color", color{0.4f, 0.5f, 0.6f, 1});
        label.style.set_value("label_font_color", color{0.9f, 0.8f, 0.7f, 1});
        label.style.set_value("label_font_size", 10.0f);
        label.style.set_value("label_text_align", 2);
        label.style.set_value("label_text_valign", 2);
    }
};

TEST_F(TextLabelTest, PaintsBackBorderAndTextInEachState) {
    struct Case {
        const char* markup;  // set first when given
        const char* plain;   // then shown as plain text, without the old runs, when given
        bool parent_disabled;
        std::u16string text;
        float alpha;
    };
    const Case cases[] = {
        {"<b>Hi</b> all<br>", nullptr, false, u"Hi all\n", 1.0f},
        {"<b>Hi</b> all<br>", nullptr, true, u"Hi all\n", 0.5f},
        {"<b>Hi</b> all<br>", "Hi all", false, u"Hi all", 1.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.text) + (c.parent_disabled ? " disabled" : ""));
        widget panel;
        text_label label;
        Add(panel, {10, 20, 300, 200});
        Add(label, panel, {5, 6, 200, 50});
        Look(label);
        if (c.markup != nullptr) label.set_markup(c.markup);
        if (c.plain != nullptr) {
            label.rich = false;
            label.set_text(c.plain);
        }
        panel.set_enabled(!c.parent_disabled);
        win->drawing().set_stroke_style(stroke_style::dotted);  // as another widget may leave it
        Paint();

        const auto fills = Drawn("fill_rectangle"), borders = Drawn("draw_rectangle");
        const auto texts = Drawn("draw_text");
        ASSERT_EQ((std::vector{fills.size(), borders.size(), texts.size()}),
                  (std::vector<size_t>{1, 1, 1}));
        EXPECT_EQ(fills[0].geometry, texts[0].geometry);
        EXPECT_EQ(fills[0].color, (color_f{0.1f, 0.2f, 0.3f, 1}));
        EXPECT_EQ(borders[0].geometry, (rect_f{15.5f, 26.5f, 214.5f, 75.5f}));
        EXPECT_EQ(borders[0].color, (color_f{0.4f, 0.5f, 0.6f, 1}));
        EXPECT_TRUE(borders[0].dashes.empty());
        EXPECT_EQ(texts[0].text, c.text);
        EXPECT_EQ(texts[0].geometry, (rect_f{15, 26, 215, 76}));
        EXPECT_EQ(texts[0].color, (color_f{0.9f, 0.8f, 0.7f, c.alpha}));
        EXPECT_EQ(texts[0].alignment, pelsdk::platform::text_alignment::trailing);
        EXPECT_EQ(texts[0].paragraph, pelsdk::platform::paragraph_alignment::far_edge);
        const auto& formats = texts[0].formats;
        const bool bold = std::any_of(formats.begin(), formats.end(),
                                      [](const auto& format) { return format.number == 700; });
        EXPECT_EQ(bold, label.rich) << "the runs go with rich text only";
    }
}

TEST_F(TextLabelTest, FitsItsTextInTheDirectionsAsked) {
    struct Case {
        std::string content;  // markup when it starts with '<'
        text_fit fit;
        size minimum;
        rect expected;
    };
    constexpr size kNone{INT32_MIN, INT32_MIN};
    // Started at {5, 5, 60, 40}; a measured extent is trunc(extent + 1), and the label adds 1.
    const Case cases[] = {
        {"Hello", text_fit::width, kNone, {5, 5, 27, 40}},
        {"aaaa bbbb cccc dddd", text_fit::height, kNone, {5, 5, 60, 26}},  // wrapped at 60
        {"aaaa bbbb cccc dddd", text_fit::both, kNone, {5, 5, 97, 14}},   // unbounded
        {"Hello", text_fit::both, {40, 30}, {5, 5, 40, 30}},
        {"Hello", text_fit::none, kNone, {5, 5, 60, 40}},
        {"", text_fit::both, kNone, {5, 5, 1, 1}},
        {"<font size=\"5\">Hi</font>", text_fit::both, kNone, {5, 5, 22, 26}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content);
        text_label label;
        Add(label, {5, 5, 60, 40});
        label.min_size = c.minimum;
        Look(label);
        if (c.content.starts_with('<')) {
            label.set_markup(c.content, c.fit);
        } else {
            label.set_text(c.content, c.fit);
        }
        EXPECT_EQ(label.requested, c.expected);
    }
    text_label label;
    Add(label, {5, 5, 60, 40});
    label.set_text("Hello", text_fit::both);
    label.style.set_value("label_font_size", 20.0f);  // a theme change refits
    EXPECT_EQ(label.bounds, (rect{5, 5, 52, 26}));
}

TEST_F(TextLabelTest, LinksAreBoxedTakeTheHandCursorAndOpenOnAClickEdgesIncluded) {
    struct Case {
        std::string markup;
        int32_t width;
        std::vector<rect> areas;
        std::vector<std::string> targets;
    };
    const Case cases[] = {
        {"<p>Go <a href=\"x\">here</a> or <a href=\"y\">there</a></p>", 300,
         {{15, 12, 20, 12}, {55, 12, 25, 12}}, {"x", "y"}},
        {"<a href=\"one\">ab</a><a href=\"two\">cd</a><br>", 300, {{0, 0, 20, 12}}, {"one"}},
        {"<a href=\"w\">aaaa bbbb</a><br>", 40, {{0, 0, 25, 24}}, {"w"}},  // wrapped: one box
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.markup);
        text_label label;
        Add(label, {0, 0, c.width, 100});
        Look(label);
        label.set_markup(c.markup);
        std::vector<rect> areas;
        std::vector<std::string> targets;
        for (const link_area& link : label.links) {
            areas.push_back(link.area);
            targets.push_back(link.target);
        }
        EXPECT_EQ(areas, c.areas);
        EXPECT_EQ(targets, c.targets);
    }

    text_label label;
    Add(label, {50, 60, 300, 100});
    Look(label);
    label.set_markup(cases[0].markup);
    MoveTo(60, 70);  // enters the label: later moves reach it as mouse_move
    // "here" covers x 65..85 and y 72..84 of the window; any button opens it.
    struct Spot {
        int32_t x, y;
        uint64_t button;
        bool on_link;
    };
    const std::vector<std::wstring> opened{L"x"}, nothing;
    const Spot spots[] = {
        {65, 72, 0, true},  {85, 84, 2, true},  {75, 78, 1, true},
        {86, 78, 0, false}, {75, 85, 0, false}, {64, 71, 0, false},
    };
    for (const Spot& c : spots) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        host->cursor = c.on_link ? cursor_shape::arrow : cursor_shape::hand;
        machine.launcher.opened.clear();
        Click(c.x, c.y, c.button);
        EXPECT_EQ(host->cursor, c.on_link ? cursor_shape::hand : cursor_shape::arrow);
        EXPECT_EQ(machine.launcher.opened, c.on_link ? opened : nothing);
    }

    label.rich = false;  // a plain label ignores both, even over an old link
    machine.launcher.opened.clear();
    Click(75, 78);
    EXPECT_EQ(host->cursor, cursor_shape::arrow);
    EXPECT_TRUE(machine.launcher.opened.empty());
}

}  // namespace
