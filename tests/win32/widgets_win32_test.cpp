// The drawn widgets on the real Direct2D, DirectWrite and WIC: a toolkit window paints into a WIC
// bitmap whose pixels are read back; the window itself is scripted.
#include <windows.h>
#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "platform/headless/scripted_window_host.h"
#include "platform/win32/d2d_graphics.h"
#include "platform/win32/win32_services.h"
#include "ui/core/window.h"
#include "ui/widgets/text_label.h"

namespace {

using namespace pelsdk::ui;
using pelsdk::platform::d2d_offscreen_graphics;

uint32_t Channel(uint32_t argb, int shift) { return (argb >> shift) & 0xFF; }

class Win32Widgets : public ::testing::Test {
protected:
    void SetUp() override {
        win = std::make_unique<window>(platform);
        win->create("Widgets", {0, 0, 200, 100}, 0);
    }
    void Add(widget& child, const rect& area) { win->root.create_child(child, area); }
    void Paint() { win->on_paint(0, 0, 200, 100); }
    // The bounding box {left, top, right, bottom} of the pixels matching `ink` inside `area`.
    template <typename Ink>
    std::array<int32_t, 4> InkBox(const rect& area, Ink ink) const {
        std::array<int32_t, 4> box{area.x + area.width, area.y + area.height, area.x, area.y};
        for (int32_t y = area.y; y < area.y + area.height; ++y) {
            for (int32_t x = area.x; x < area.x + area.width; ++x) {
                if (!ink(graphics.pixel(x, y))) continue;
                box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x + 1),
                       std::max(box[3], y + 1)};
            }
        }
        return box;
    }

    static inline d2d_offscreen_graphics graphics{200, 100};
    // The program's services, with scripted windows drawing into the offscreen bitmap.
    pelsdk::platform::services& real = pelsdk::platform::win32_services();
    pelsdk::platform::services platform{
        real.keys,     real.resources, real.files, real.info,  real.launcher,
        real.locks,    real.terminal,
        [] { return std::make_unique<pelsdk::platform::scripted_window_host>(); },
        graphics,      real.imaging,   real.menus, real.clips, real.folders};
    std::unique_ptr<window> win;
};

TEST_F(Win32Widgets, BoldRunsMeasureWiderAndLinkAreasCoverTheirInk) {
    text_label normal, bold;
    Add(normal, {0, 0, 10, 10});
    Add(bold, {0, 30, 10, 10});
    normal.set_markup("<p>Quintrel Velkor</p>", text_fit::both);
    bold.set_markup("<p><b>Quintrel Velkor</b></p>", text_fit::both);
    EXPECT_GT(bold.bounds.width, normal.bounds.width);
    EXPECT_EQ(bold.bounds.height, normal.bounds.height);

    text_label link;
    Add(link, {20, 60, 170, 30});
    link.set_markup(
        "<html><body>See <a href=\"https://quintrel.example/velkor\">Velkor</a></body></html>");
    ASSERT_EQ(link.links.size(), 1u);
    Paint();
    // The link is drawn in pure blue; its ink lies inside its area (edges included).
    const rect area = link.links[0].area;
    const auto ink = InkBox({20, 60, 170, 30}, [](uint32_t p) {
        return Channel(p, 0) > 128 && Channel(p, 16) < 64 && Channel(p, 8) < 64;
    });
    ASSERT_LT(ink[0], ink[2]) << "the link has ink";
    EXPECT_GE(ink[0], 20 + area.x);
    EXPECT_GE(ink[1], 60 + area.y);
    EXPECT_LE(ink[2], 20 + area.x + area.width + 1);
    EXPECT_LE(ink[3], 60 + area.y + area.height + 1);
    // ... and the area hugs it: it starts after "See " and ends where the ink ends.
    EXPECT_GT(area.x, 10);
    EXPECT_LE(ink[0] - (20 + area.x), 2);
    EXPECT_LE(20 + area.x + area.width - ink[2], 3);
}

}  // namespace
