#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "installer/ui/break_line.h"
#include "installer/ui/installed_checkbox.h"
#include "installer/ui/link_button.h"
#include "installer/ui/progress_bar.h"
#include "installer/ui/rounded_button.h"
#include "tests/support/test_pictures.h"
#include "tests/support/widget_scene.h"
#include "ui/theme/theme_lookup.h"

namespace {

using namespace pelsdk::ui;
using pelsdk::platform::color_f;
using pelsdk::platform::cursor_shape;
using pelsdk::platform::paragraph_alignment;
using pelsdk::platform::rect_f;
using pelsdk::platform::text_alignment;

using InstallerWidgetsTest = WidgetTest;

TEST_F(InstallerWidgetsTest, RoundedButtonIsAPillInTheColoursOfItsState) {
    const color normal{0.1f, 0, 0, 1}, hover{0.2f, 0, 0, 1}, disabled{0.3f, 0, 0, 1};
    const color text{0, 0, 0.1f, 1}, text_hover{0, 0, 0.2f, 1}, text_disabled{0, 0, 0.3f, 1};
    widget panel;
    RoundedButton button, odd;
    button.caption = "NO";
    button.style.set_value("button_color_normal", normal);
    button.style.set_value("button_color_hover", hover);
    button.style.set_value("rounded_button_back_color_disabled", disabled);
    button.style.set_value("button_font_color", text);
    button.style.set_value("button_font_color_hover", text_hover);
    button.style.set_value("rounded_button_font_color_disabled", text_disabled);
    Add(panel, {0, 0, 400, 300});
    Add(button, panel, {50, 40, 110, 30});
    // An odd height rounds the ends' radius up; the circles stay one dip inside.
    Add(odd, {0, 200, 111, 31});
    Paint();
    EXPECT_EQ(Drawn("fill_ellipse").at(2).local, (rect_f{1.5f, 1.5f, 30.5f, 30.5f}));
    EXPECT_EQ(Drawn("fill_rectangle").at(1).local, (rect_f{16, 1, 95, 30}));
    odd.set_shown(false);

    struct Case {
        const char* name;
        std::function<void()> arrange;
        color fill, caption;
    };
    const Case cases[] = {
        {"normal", [] {}, normal, text},
        {"hovered", [&] { MoveTo(60, 50); }, hover, text_hover},
        {"disabled", [&] { button.set_enabled(false); }, disabled, text_disabled},
        // The button keeps its hover flag when only its panel is disabled.
        {"hovered, then the panel disabled", [&] { MoveTo(60, 50); panel.set_enabled(false); },
         disabled, text_disabled},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.arrange();
        // Two end circles and the middle between them, all in the state's fill; then the caption.
        std::vector<std::pair<rect_f, color_f>> drawn;
        for (const auto& part : Paint()) drawn.emplace_back(part.local, part.color);
        const std::vector<std::pair<rect_f, color_f>> pill = {
            {{1, 1, 29, 29}, F(c.fill)}, {{81, 1, 109, 29}, F(c.fill)},
            {{15, 1, 95, 29}, F(c.fill)}, {{0, 0, 110, 30}, F(c.caption)}};
        EXPECT_EQ(drawn, pill);
        MoveTo(300, 250);
        button.set_enabled(true);
        panel.set_enabled(true);
    }
    EXPECT_EQ(Drawn("draw_text").at(0).alignment, text_alignment::center);
    EXPECT_EQ(Drawn("draw_text").at(0).paragraph, paragraph_alignment::center);
}

TEST_F(InstallerWidgetsTest, LinkUnderlinesAndShowsTheHandWhileThePointerIsOverIt) {
    LinkButton link;
    link.caption = "Quintrel Software License Agreement";
    Add(link, {180, 260, 200, 30});
    struct Step {
        const char* name;
        std::function<void()> act;
        bool underlined;
        cursor_shape cursor;
    };
    const Step steps[] = {
        {"enter", [&] { MoveTo(200, 270); }, true, cursor_shape::hand},
        {"leave", [&] { MoveTo(20, 20); }, false, cursor_shape::arrow},
        {"enter again", [&] { MoveTo(250, 280); }, true, cursor_shape::hand},
        // Hidden under the pointer: the arrow at once, the underline until the next leave.
        {"hidden", [&] { link.set_shown(false); }, true, cursor_shape::arrow},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        s.act();
        EXPECT_EQ(theme_bool(link.style, "button_text_underlined"), s.underlined);
        EXPECT_EQ(host->cursor, s.cursor);
    }
}

// A one-dip line on the pixel centres halfway down, rounded toward the top.
TEST_F(InstallerWidgetsTest, BreakLineRunsAcrossTheMiddle) {
    BreakLine line;
    line.style.set_value("breakline_color", color{0.2f, 0.3f, 0.4f, 1});
    Add(line, {10, 100, 300, 15});
    Paint();
    const auto lines = Drawn("draw_line");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].local, (rect_f{0.5f, 7.5f, 300.5f, 7.5f}));
    EXPECT_EQ(lines[0].width, 1.0f);
    EXPECT_EQ(lines[0].color, (color_f{0.2f, 0.3f, 0.4f, 1}));
}

TEST_F(InstallerWidgetsTest, ProgressGradientCoversTheRoundedFractionDone) {
    const color back{0.2f, 0.2f, 0.2f, 1}, top{0.1f, 0.5f, 0.8f, 1}, bottom{0.05f, 0.3f, 0.4f, 1};
    ProgressBar bar;
    bar.style.set_value("progress_bar_back_color", back);
    bar.style.set_value("progress_bar_color1", top);
    bar.style.set_value("progress_bar_color2", bottom);
    Add(bar, {20, 200, 351, 8});
    // Halves round away from zero: 175.5 fills 176.
    for (const auto& [value, done] : {std::pair{0.0f, 0}, {0.3f, 105}, {0.5f, 176}, {1.0f, 351}}) {
        bar.value = value;
        const auto& drawn = Paint();  // the track, then the part done
        ASSERT_EQ(drawn.size(), 2u);
        EXPECT_EQ(drawn[0].local, (rect_f{0, 0, 351, 8}));
        EXPECT_EQ(drawn[0].color, F(back));
        EXPECT_EQ(drawn[1].kind, "fill_vertical_gradient");
        EXPECT_EQ(drawn[1].local, (rect_f{0, 0, float(done), 8})) << value;
        EXPECT_EQ(std::pair(drawn[1].color, drawn[1].color2), std::pair(F(top), F(bottom)));
    }
}

TEST_F(InstallerWidgetsTest, ResultLineShowsTheHalfOfItsPictureForItsState) {
    // Frames of 19 x 18 dips at scale 2; six of them, so a line that chose its frame like a
    // check box (it is disabled) would show another.
    const auto picture = test_pictures::SolidPng(38, 216);
    const color caption{0.73f, 0.73f, 0.73f, 0.8f};
    InstalledCheckbox line;
    line.caption = "Velkor Plug-in for After Effects 2024";
    line.style.set_value("checkbox_image", test_pictures::Reference(picture, 6, 2.0f));
    line.style.set_value("checkbox_back_color", color{1, 0, 0, 1});
    line.style.set_value("checkbox_font_color", caption);
    line.style.set_value("checkbox_font_weight", 2);
    Add(line, {30, 60, 340, 20});
    line.arrange(0);
    EXPECT_FALSE(line.is_enabled()) << "the user cannot toggle a result";
    win->set_focus(&line, 0);

    for (const bool ticked : {false, true}) {
        line.ticked = ticked;
        Paint();
        // No background, no focus box: the picture and the caption alone.
        ASSERT_EQ(machine.graphics.primitives.size(), 2u);
        const auto picture_drawn = Drawn("draw_bitmap").at(0);
        EXPECT_EQ(picture_drawn.local, (rect_f{0, 1, 19, 19}));
        EXPECT_EQ(picture_drawn.source, ticked ? (rect_f{0, 36, 38, 72}) : (rect_f{0, 0, 38, 36}));
        const auto text = Drawn("draw_text").at(0);
        EXPECT_EQ(text.local.left, 24) << "after the picture and the gap";
        EXPECT_EQ(text.color, F(caption)) << "opaque or not as the theme says, disabled";
        EXPECT_EQ(std::pair(text.alignment, text.paragraph),
                  std::pair(text_alignment::leading, paragraph_alignment::center));
        EXPECT_EQ(text.formats.at(0).property, "weight");
        EXPECT_EQ(text.formats.at(0).number, 700);
    }
}

}  // namespace
