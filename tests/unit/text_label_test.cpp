// The text label on a scripted window: the recording backend's text model (half the font size
// per UTF-16 unit, lines round(1.2 x size) high) makes every size and area exact.
#include "ui/widgets/text_label.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/widget_scene.h"

namespace {

using namespace pelsdk::ui;
using pelsdk::platform::color_f;
using pelsdk::platform::cursor_shape;
using pelsdk::platform::rect_f;

constexpr const char* kLinkMarkup = "<p>Go <a href=\"https://one.example/\">here</a> or</p>";

class TextLabelTest : public WidgetTest {
protected:
    // Visible colours, right and bottom alignment, and a 10-dip font: 5 dips per unit, 12 per line.
    static void Look(text_label& label) {
        label.style.set_value("default_back_color", color{0.1f, 0.2f, 0.3f, 1});
        label.style.set_value("default_border_color", color{0.4f, 0.5f, 0.6f, 1});
        label.style.set_value("label_font_color", color{0.9f, 0.8f, 0.7f, 1});
        label.style.set_value("label_font_size", 10.0f);
        label.style.set_value("label_text_align", 2);
        label.style.set_value("label_text_valign", 2);
    }

    // A rich label at {50, 60} whose link "here" covers {15, 12, 20, 12}: window x 65..85 and
    // y 72..84, edges included.
    void AddLinkLabel() {
        Add(label, {50, 60, 300, 100});
        Look(label);
        label.set_markup(kLinkMarkup, false, false);
        MoveTo(60, 70);  // enters the label: later moves reach it as mouse_move
    }

    text_label label;
};

TEST_F(TextLabelTest, PaintsBackBorderAndTextInEachState) {
    struct Case {
        const char* name;
        const char* markup;  // set first when given
        const char* plain;   // then made a plain label with this text when given
        bool parent_disabled;
        std::u16string text;
        float alpha;
        bool bold_run;
    };
    const Case cases[] = {
        {"plain", nullptr, "Hi all", false, u"Hi all", 1.0f, false},
        {"rich", "<b>Hi</b> all<br>", nullptr, false, u"Hi all\n", 1.0f, true},
        {"disabled through its parent", "<b>Hi</b> all<br>", nullptr, true, u"Hi all\n", 0.5f,
         true},
        {"plain after markup draws without the old runs", "<b>Hi</b> all<br>", "Hi all", false,
         u"Hi all", 1.0f, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        widget panel;
        text_label shown;
        Add(panel, {10, 20, 300, 200});
        Add(shown, panel, {5, 6, 200, 50});
        Look(shown);
        if (c.markup != nullptr) shown.set_markup(c.markup, false, false);
        if (c.plain != nullptr) {
            shown.rich = false;
            shown.set_text(c.plain, false, false);
        }
        if (c.parent_disabled) panel.set_enabled(false);
        win->drawing().set_stroke_style(stroke_style::dotted);  // as another widget may leave it
        Paint();

        const auto fills = Drawn("fill_rectangle");
        ASSERT_EQ(fills.size(), 1u);
        EXPECT_EQ(fills[0].geometry, (rect_f{15, 26, 215, 76}));
        EXPECT_EQ(fills[0].color, (color_f{0.1f, 0.2f, 0.3f, 1}));
        const auto borders = Drawn("draw_rectangle");
        ASSERT_EQ(borders.size(), 1u);
        EXPECT_EQ(borders[0].geometry, (rect_f{15.5f, 26.5f, 214.5f, 75.5f}));
        EXPECT_EQ(borders[0].color, (color_f{0.4f, 0.5f, 0.6f, 1}));
        EXPECT_EQ(borders[0].width, 1.0f);
        EXPECT_TRUE(borders[0].dashes.empty());
        const auto texts = Drawn("draw_text");
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].text, c.text);
        EXPECT_EQ(texts[0].geometry, (rect_f{15, 26, 215, 76}));
        EXPECT_EQ(texts[0].color, (color_f{0.9f, 0.8f, 0.7f, c.alpha}));
        EXPECT_EQ(texts[0].alignment, pelsdk::platform::text_alignment::trailing);
        EXPECT_EQ(texts[0].paragraph, pelsdk::platform::paragraph_alignment::far_edge);
        const bool bold_run =
            std::any_of(texts[0].formats.begin(), texts[0].formats.end(), [](const auto& format) {
                return format.property == "weight" && format.range.start == 0 &&
                       format.range.length == 2 && format.number == 700;
            });
        EXPECT_EQ(bold_run, c.bold_run);
    }
}

TEST_F(TextLabelTest, FitsItsTextInTheDirectionsAsked) {
    constexpr size kNoMinimum{INT32_MIN, INT32_MIN};
    struct Case {
        const char* name;
        std::string content;
        bool markup;
        bool fit_width, fit_height;
        rect start;
        size minimum;
        rect expected;
    };
    // A measured extent is trunc(extent + 1); the label adds 1 more.
    // clang-format off
    const Case cases[] = {
        {"width", "Hello", false, true, false, {5, 5, 100, 40}, kNoMinimum, {5, 5, 27, 40}},
        {"height, wrapped in the fixed width", "aaaa bbbb cccc dddd", false, false, true,
         {5, 5, 60, 40}, kNoMinimum, {5, 5, 60, 26}},
        {"both, unbounded", "aaaa bbbb cccc dddd", false, true, true, {5, 5, 60, 40}, kNoMinimum,
         {5, 5, 97, 14}},
        {"raised to the minimum", "Hello", false, true, true, {5, 5, 100, 40}, {40, 30},
         {5, 5, 40, 30}},
        {"neither", "Hello", false, false, false, {5, 5, 100, 40}, kNoMinimum, {5, 5, 100, 40}},
        {"empty text", "", false, true, true, {5, 5, 100, 40}, kNoMinimum, {5, 5, 1, 1}},
        {"rich, measured with its runs", "<font size=\"5\">Hi</font>", true, true, true,
         {5, 5, 100, 40}, kNoMinimum, {5, 5, 22, 26}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        text_label fitted;
        Add(fitted, c.start);
        fitted.min_size = c.minimum;
        Look(fitted);
        if (c.markup) {
            fitted.set_markup(c.content, c.fit_width, c.fit_height);
        } else {
            fitted.set_text(c.content, c.fit_width, c.fit_height);
        }
        EXPECT_EQ(fitted.bounds, c.expected);
        EXPECT_EQ(fitted.requested, c.expected);
    }
}

TEST_F(TextLabelTest, RefitsWhenItsFontChanges) {
    Add(label, {5, 5, 100, 40});
    Look(label);
    label.set_text("Hello", true, true);
    label.style.set_value("label_font_size", 20.0f);
    EXPECT_EQ(label.bounds, (rect{5, 5, 52, 26}));
}

TEST_F(TextLabelTest, LinkAreasBoxTheLinkRuns) {
    struct Case {
        const char* name;
        std::string markup;
        int32_t width;
        std::vector<rect> areas;
        std::vector<std::string> targets;
    };
    // clang-format off
    const Case cases[] = {
        {"inside a paragraph", kLinkMarkup, 300, {{15, 12, 20, 12}}, {"https://one.example/"}},
        {"adjacent links of one look are one", "<a href=\"one\">ab</a><a href=\"two\">cd</a><br>",
         300, {{0, 0, 20, 12}}, {"one"}},
        {"two links", "<a href=\"x\">ab</a> and <a href=\"y\">cd</a><br>", 300,
         {{0, 0, 10, 12}, {35, 0, 10, 12}}, {"x", "y"}},
        {"a wrapped link has one box", "<a href=\"w\">aaaa bbbb</a><br>", 40, {{0, 0, 25, 24}},
         {"w"}},
        {"no links", "<b>ab</b><br>", 300, {}, {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        text_label linked;
        Add(linked, {0, 0, c.width, 100});
        Look(linked);
        linked.set_markup(c.markup, false, false);
        std::vector<rect> areas;
        std::vector<std::string> targets;
        for (const link_area& link : linked.links) {
            areas.push_back(link.area);
            targets.push_back(link.target);
        }
        EXPECT_EQ(areas, c.areas);
        EXPECT_EQ(targets, c.targets);
    }
}

TEST_F(TextLabelTest, HandCursorOverLinksEdgesIncluded) {
    AddLinkLabel();
    struct Case {
        point at;
        cursor_shape expected;
    };
    const Case cases[] = {
        {{65, 72}, cursor_shape::hand},  {{85, 84}, cursor_shape::hand},
        {{75, 78}, cursor_shape::hand},  {{64, 78}, cursor_shape::arrow},
        {{86, 78}, cursor_shape::arrow}, {{75, 71}, cursor_shape::arrow},
        {{75, 85}, cursor_shape::arrow},
    };
    for (const Case& c : cases) {
        host->cursor = c.expected == cursor_shape::hand ? cursor_shape::arrow : cursor_shape::hand;
        MoveTo(c.at.x, c.at.y);
        EXPECT_EQ(host->cursor, c.expected) << c.at.x << "," << c.at.y;
    }

    label.rich = false;  // a plain label leaves the cursor alone, even over an old link
    host->cursor = cursor_shape::arrow;
    MoveTo(75, 78);
    EXPECT_EQ(host->cursor, cursor_shape::arrow);
}

TEST_F(TextLabelTest, ClickOnALinkOpensItsTarget) {
    AddLinkLabel();
    struct Case {
        point at;
        uint64_t button;
        bool opens;
    };
    const Case cases[] = {
        {{85, 84}, 0, true},  {{65, 72}, 2, true},  {{75, 78}, 1, true},
        {{86, 84}, 0, false}, {{85, 85}, 0, false}, {{20, 20}, 0, false},
    };
    const std::vector<std::wstring> opened{L"https://one.example/"}, nothing;
    for (const Case& c : cases) {
        RecordingShell().opened.clear();
        Click(c.at.x, c.at.y, c.button);
        EXPECT_EQ(RecordingShell().opened, c.opens ? opened : nothing) << c.at.x << "," << c.at.y;
    }

    label.rich = false;  // plain labels ignore clicks, even over an old link
    RecordingShell().opened.clear();
    Click(75, 78);
    EXPECT_TRUE(RecordingShell().opened.empty());
}

}  // namespace
