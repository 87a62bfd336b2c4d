#include <gtest/gtest.h>

#include "tests/support/host_of.h"
#include "tests/support/widget_scene.h"
#include "ui/widgets/tooltip.h"

namespace {

using namespace pelsdk::ui;
using pelsdk::platform::color_f;
using pelsdk::platform::rect_f;
using pelsdk::platform::scripted_window_host;

class TooltipTest : public WidgetTest {
protected:
    TooltipTest() {
        tip.owner = win.get();
        tip.create("", {0, 0, 400, 200}, 0x21);
        tipHost = &HostOf(tip);
    }
    const std::vector<pelsdk::platform::recorded_primitive>& PaintTip() {
        machine.graphics.primitives.clear();
        tip.on_paint(0, 0, tipHost->client.width, tipHost->client.height);
        return machine.graphics.primitives;
    }

    tooltip tip{os};
    scripted_window_host* tipHost = nullptr;
};

// Tahoma 11 in the recording text model: 5.5 dips a unit, lines 13 high, measured + 1.
TEST_F(TooltipTest, SizesItselfToItsTextsAndDrawsThemBelowEachOther) {
    struct Case {
        const char* title;
        const char* body;
        rect window;
        std::vector<rect_f> texts;  // title first, then body, as drawn
        std::vector<float> weights;
    };
    const Case cases[] = {
        {"Title", "", {30, 40, 44, 22}, {{8, 4, 36, 18}}, {700}},
        {"", "Body text", {30, 40, 66, 22}, {{8, 4, 58, 18}}, {400}},
        {"Title", "Body text", {30, 40, 66, 38}, {{8, 4, 58, 18}, {8, 20, 58, 34}}, {700, 400}},
    };
    for (const Case& c : cases) {
        tip.show({30, 40}, c.title, c.body, nullptr);
        EXPECT_EQ((rect{tipHost->client.x, tipHost->client.y, tipHost->client.width,
                        tipHost->client.height}),
                  c.window)
            << c.title << "|" << c.body;
        EXPECT_TRUE(tipHost->visible);
        EXPECT_FALSE(tipHost->activated);
        PaintTip();
        const auto texts = Drawn("draw_text");
        ASSERT_EQ(texts.size(), c.texts.size()) << c.title << "|" << c.body;
        for (size_t i = 0; i < texts.size(); ++i) {
            EXPECT_EQ(texts[i].local, c.texts[i]) << c.title << "|" << c.body << " " << i;
            EXPECT_EQ(texts[i].formats.front().number, c.weights[i]);
        }
    }
}

TEST_F(TooltipTest, PaintsWithTheThemeOfItsSubjectAndADoubleBorder) {
    widget subject;
    Add(subject, {0, 0, 50, 50});
    subject.style.set_value("tooltip_back_color", color{0.25f, 0.5f, 0.75f, 1});
    tip.root.style.set_value("tooltip_back_color", color{1, 0, 0, 1});

    tip.show({0, 0}, "Title", "", &subject);
    PaintTip();
    ASSERT_EQ(Drawn("fill_rectangle").size(), 1u);
    EXPECT_EQ(Drawn("fill_rectangle")[0].color, (color_f{0.25f, 0.5f, 0.75f, 1}));
    const auto borders = Drawn("draw_rectangle");
    ASSERT_EQ(borders.size(), 2u);
    EXPECT_EQ(borders[0].local, (rect_f{0.5f, 0.5f, 43.5f, 21.5f}));
    EXPECT_EQ(borders[1].local, (rect_f{1.5f, 1.5f, 42.5f, 20.5f}));
    EXPECT_NE(borders[0].color, borders[1].color);

    // Without a subject the tooltip window's own theme applies.
    tip.show({0, 0}, "Title", "", nullptr);
    PaintTip();
    EXPECT_EQ(Drawn("fill_rectangle")[0].color, (color_f{1, 0, 0, 1}));
}

}  // namespace
