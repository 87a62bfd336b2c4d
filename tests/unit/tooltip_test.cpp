#include <gtest/gtest.h>

#include "tests/support/host_of.h"
#include "tests/support/widget_scene.h"
#include "ui/widgets/tooltip.h"

namespace {

using namespace pelsdk::ui;
using pelsdk::platform::color_f;
using pelsdk::platform::rect_f;

using TooltipTest = WidgetTest;

// Tahoma 11 in the recording text model: 5.5 dips a unit, lines 13 high, measured + 1.
TEST_F(TooltipTest, SizesToItsTextsAndPaintsInItsSubjectsThemeWithADoubleBorder) {
    tooltip tip{os};
    tip.owner = win.get();
    tip.create("", {0, 0, 400, 200}, 0x21);
    const auto& tipHost = HostOf(tip);
    tip.root.style.set_value("tooltip_back_color", color{1, 0, 0, 1});
    widget subject;
    Add(subject, {0, 0, 50, 50});
    subject.style.set_value("tooltip_back_color", color{0.25f, 0.5f, 0.75f, 1});
    struct Case {
        const char* title;
        const char* body;
        widget* subject;  // whose theme applies; the tooltip window's own without one
        rect window;
        std::vector<rect_f> texts;  // title first, then body, as drawn
        std::vector<float> weights;
    };
    const Case cases[] = {
        {"Title", "", nullptr, {30, 40, 44, 22}, {{8, 4, 36, 18}}, {700}},
        {"", "Body text", &subject, {30, 40, 66, 22}, {{8, 4, 58, 18}}, {400}},
        {"Title", "Body text", &subject, {30, 40, 66, 38}, {{8, 4, 58, 18}, {8, 20, 58, 34}},
         {700, 400}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.title) + "|" + c.body);
        tip.show({30, 40}, c.title, c.body, c.subject);
        const rect& w = c.window;
        EXPECT_EQ((rect{tipHost.client.x, tipHost.client.y, tipHost.client.width,
                        tipHost.client.height}),
                  w);
        EXPECT_TRUE(tipHost.visible);
        EXPECT_FALSE(tipHost.activated);
        machine.graphics.primitives.clear();
        tip.on_paint(0, 0, w.width, w.height);

        const auto texts = Drawn("draw_text");
        ASSERT_EQ(texts.size(), c.texts.size());
        for (size_t i = 0; i < texts.size(); ++i) {
            EXPECT_EQ(texts[i].local, c.texts[i]);
            EXPECT_EQ(texts[i].formats.front().number, c.weights[i]);
        }
        const auto fills = Drawn("fill_rectangle");
        ASSERT_EQ(fills.size(), 1u);
        EXPECT_EQ(fills[0].color, c.subject ? (color_f{0.25f, 0.5f, 0.75f, 1})
                                            : (color_f{1, 0, 0, 1}));
        const auto borders = Drawn("draw_rectangle");
        ASSERT_EQ(borders.size(), 2u);
        const float right = float(w.width), bottom = float(w.height);
        EXPECT_EQ(borders[0].local, (rect_f{0.5f, 0.5f, right - 0.5f, bottom - 0.5f}));
        EXPECT_EQ(borders[1].local, (rect_f{1.5f, 1.5f, right - 1.5f, bottom - 1.5f}));
        EXPECT_NE(borders[0].color, borders[1].color);
    }
}

}  // namespace
