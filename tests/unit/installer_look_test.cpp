#include <gtest/gtest.h>

#include "installer/ui/installer_theme.h"
#include "installer/ui/installer_ui.h"
#include "tests/support/headless_scene.h"
#include "tests/support/test_imaging.h"
#include "tests/support/widget_drawing.h"
#include "ui/theme/theme_lookup.h"

#include <cstring>

namespace {

using namespace pelsdk::ui;
using pelsdk::platform::color_f;
using pelsdk::platform::rect_f;

TEST(InstallerTheme, OverridesKeepTheirOrderAndEncodings) {
    const std::vector<ThemeOverride> overrides = InstallerThemeOverrides();
    ASSERT_EQ(overrides.size(), 83u);
    EXPECT_TRUE(overrides.front().key == theme_key("header_size"));
    EXPECT_TRUE(overrides[3].key == theme_key("banner_image"));
    EXPECT_TRUE(overrides[72].key == theme_key("installed_check_font_wight"));
    EXPECT_TRUE(overrides.back().key == theme_key("notifications_back_color"));

    theme_map map = InstallerThemeMap();
    struct Case {
        theme_key key;
        theme_value bytes;
    };
    const auto raw = [](const auto& value) {
        theme_value bytes(sizeof(value));
        std::memcpy(bytes.data(), &value, sizeof(value));
        return bytes;
    };
    const float blue[] = {0.024f, 0.553f, 0.867f, 1.0f};
    const int32_t margins[] = {70, 20};
    const Case cases[] = {
        {"footer_size", raw(int32_t{50})},
        {"title_font_size", raw(29.0f)},
        {"rounded_button_next_back_color_normal", raw(blue)},
        {"label_font_name", theme_value{'v', 'e', 'r', 'd', 'a', 'n', 'a'}},
        {"notifications_window_margins", raw(margins)},
        // Present and empty: windows and browsers read a transparent background.
        {"default_window_back_color", {}},
        {"browser_back_color", {}},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(map.count(c.key), 1u) << c.key.text();
        EXPECT_EQ(map.at(c.key), c.bytes) << c.key.text();
    }
    const image_reference logo = decode_image(map.at("logo_image"));
    EXPECT_EQ(map.at("logo_image").size(), 24u);
    EXPECT_NE(logo.data, nullptr);
    EXPECT_EQ(logo.frames, 1u);
    EXPECT_EQ(logo.scale, 2.0f);
    EXPECT_EQ(decode_image(map.at("installed_check_image")).frames, 2u);

    widget_style plain;
    set_theme({});
    EXPECT_NE(theme_color(plain, "browser_back_color"), color{}) << "the default is opaque";
    set_theme(map);
    EXPECT_EQ(theme_color(plain, "default_window_back_color"), color{});
    EXPECT_EQ(theme_color(plain, "browser_back_color"), color{});
}

class InstallerLook : public HeadlessTest {
protected:

    // What the frame alone draws, in window coordinates.
    std::vector<std::pair<std::string, rect_f>> PaintFrame(InstallerUI& installer) {
        machine.graphics.primitives.clear();
        renderer& drawing = installer.drawing();
        BeginWidget(drawing, installer.root, {0, 0, 1024, 610});
        installer.PaintFrame({});
        drawing.end_widget();
        std::vector<std::pair<std::string, rect_f>> drawn;
        for (const auto& p : machine.graphics.primitives) drawn.emplace_back(p.kind, p.geometry);
        return drawn;
    }
};

TEST_F(InstallerLook, FramePaintsBackToFrontWithTheSentenceOnlyOnWelcome) {
    InstallerUI installer(os);
    using Drawn = std::vector<std::pair<std::string, rect_f>>;
    const Drawn welcome{
        {"fill_rectangle", {0, 0, 1024, 64}},        // header band
        {"draw_bitmap", {28, 14, 146, 50}},          // logo, 118 x 36
        {"draw_text", {764, 0, 1024, 64}},           // notice
        {"draw_bitmap", {0, 64, 450, 564}},          // banner
        {"draw_bitmap", {450, 64, 1024, 560}},       // background
        {"fill_rectangle", {0, 560, 1024, 610}},     // footer band
        {"draw_text", {28, 560, 208, 610}},          // "By installing, you agree to the"
    };
    EXPECT_EQ(PaintFrame(installer), welcome);
    const auto notice = machine.graphics.primitives[2];
    EXPECT_EQ(notice.formats[1].number, 2.0f) << "the notice is italic";
    EXPECT_EQ(machine.graphics.primitives[0].color, (color_f{0.071f, 0.071f, 0.071f, 1}));

    installer.SetPage(Versions);
    EXPECT_EQ(PaintFrame(installer), Drawn(welcome.begin(), welcome.end() - 1));
}

TEST_F(InstallerLook, FooterButtonsSitInTheBandAndFollowThePage) {
    InstallerUI installer(os);
    EXPECT_EQ(installer.footerLicenseLink.bounds, (rect{180, 577, 210, 15}));
    EXPECT_EQ(installer.cancelButton.bounds, (rect{504, 570, 110, 30}));
    EXPECT_EQ(installer.backButton.bounds, (rect{644, 570, 110, 30}));
    EXPECT_EQ(installer.nextButton.bounds, (rect{814, 570, 170, 30}));
    EXPECT_EQ(installer.footerLicenseLink.caption, "Quintrel Software License Agreement");
    // Created in the order link, CANCEL, BACK, NEXT: the Tab order.
    const auto& order = installer.widgets;
    const auto at = [&](const widget& w) { return std::find(order.begin(), order.end(), &w) - order.begin(); };
    EXPECT_LT(at(installer.footerLicenseLink), at(installer.cancelButton));
    EXPECT_LT(at(installer.cancelButton), at(installer.backButton));
    EXPECT_LT(at(installer.backButton), at(installer.nextButton));
    EXPECT_EQ(theme_color(installer.nextButton.style, "button_color_normal"),
              (color{0.024f, 0.553f, 0.867f, 1}));
    EXPECT_EQ(theme_color(installer.backButton.style, "button_color_normal"),
              (color{0.141f, 0.141f, 0.141f, 1}));

    struct Case {
        WizardPage page;
        bool backEnabled, nextEnabled, linkShown;
        const char* next;
    };
    const Case cases[] = {
        {Versions, true, true, false, "INSTALL"},
        {License, true, true, false, "I AGREE"},
        {Welcome, false, true, true, "I AGREE"},
    };
    for (const Case& c : cases) {
        installer.SetPage(c.page);
        EXPECT_EQ(installer.backButton.is_enabled(), c.backEnabled) << c.page;
        EXPECT_EQ(installer.nextButton.is_enabled(), c.nextEnabled) << c.page;
        EXPECT_EQ(installer.footerLicenseLink.is_visible(true), c.linkShown) << c.page;
        EXPECT_EQ(installer.nextButton.caption, c.next) << c.page;
        EXPECT_EQ(installer.cancelButton.caption, "CANCEL");
    }
}

}  // namespace
