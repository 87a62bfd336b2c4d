#include <gtest/gtest.h>

#include "installer/ui/installer_ui.h"
#include "tests/support/headless_scene.h"
#include "tests/support/host_of.h"
#include "tests/support/widget_drawing.h"
#include "ui/theme/theme_lookup.h"

namespace {

using namespace pelsdk::ui;
using pelsdk::platform::color_f;
using pelsdk::platform::rect_f;

using InstallerLook = HeadlessTest;

TEST_F(InstallerLook, FramePaintsBackToFrontWithTheSentenceOnlyOnWelcome) {
    InstallerUI installer(os);
    // What the frame alone draws, in window coordinates.
    using Drawn = std::vector<std::pair<std::string, rect_f>>;
    const auto paint_frame = [&] {
        machine.graphics.primitives.clear();
        BeginWidget(installer.drawing(), installer.root, {0, 0, 1024, 610});
        installer.PaintFrame({});
        installer.drawing().end_widget();
        Drawn drawn;
        for (const auto& p : machine.graphics.primitives) drawn.emplace_back(p.kind, p.geometry);
        return drawn;
    };
    const Drawn welcome{
        {"fill_rectangle", {0, 0, 1024, 64}},     // header band
        {"draw_bitmap", {28, 14, 146, 50}},       // logo, 118 x 36
        {"draw_text", {764, 0, 1024, 64}},        // notice
        {"draw_bitmap", {0, 64, 450, 564}},       // banner
        {"draw_bitmap", {450, 64, 1024, 560}},    // background
        {"fill_rectangle", {0, 560, 1024, 610}},  // footer band
        {"draw_text", {28, 560, 208, 610}},       // "By installing, you agree to the"
    };
    EXPECT_EQ(paint_frame(), welcome);
    EXPECT_EQ(machine.graphics.primitives[2].formats[1].number, 2.0f) << "the notice is italic";
    EXPECT_EQ(machine.graphics.primitives[0].color, (color_f{0.071f, 0.071f, 0.071f, 1}));

    installer.SetPage(Versions);
    EXPECT_EQ(paint_frame(), Drawn(welcome.begin(), welcome.end() - 1));
}

TEST_F(InstallerLook, WindowIsTitledSizedAndCentredWithTheFooterButtonsInTheBand) {
    InstallerUI installer(os);
    auto& host = HostOf(installer);
    EXPECT_EQ(host.title, "Velkor Plug-in for After Effects Installer");
    EXPECT_EQ(host.client, (pelsdk::platform::int_rect{600, 200, 1024, 610}));
    EXPECT_EQ(host.flags, 0);
    EXPECT_EQ(host.centred, 1);
    EXPECT_EQ(installer.root.bounds, (rect{0, 0, 1024, 610}));
    // Windows and browsers lose the default theme's opaque background.
    EXPECT_EQ(theme_color(widget_style{}, "browser_back_color"), color{});
    EXPECT_EQ(theme_color(widget_style{}, "default_window_back_color"), color{});
    EXPECT_EQ(installer.footerLicenseLink.bounds, (rect{180, 577, 210, 15}));
    EXPECT_EQ(installer.cancelButton.bounds, (rect{504, 570, 110, 30}));
    EXPECT_EQ(installer.backButton.bounds, (rect{644, 570, 110, 30}));
    EXPECT_EQ(installer.nextButton.bounds, (rect{814, 570, 170, 30}));
    EXPECT_EQ(theme_color(installer.nextButton.style, "button_color_normal"),
              (color{0.024f, 0.553f, 0.867f, 1}));
    EXPECT_EQ(theme_color(installer.backButton.style, "button_color_normal"),
              (color{0.141f, 0.141f, 0.141f, 1}));
}

}  // namespace
