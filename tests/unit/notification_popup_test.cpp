#include "installer/ui/notification_popup.h"
#include "tests/support/host_of.h"
#include "tests/support/test_pictures.h"
#include "tests/support/widget_scene.h"
#include "ui/theme/theme_lookup.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using namespace pelsdk::ui;
using pelsdk::platform::rect_f;
using pelsdk::platform::scripted_window_host;

constexpr color kBack{0.07f, 0.07f, 0.08f, 1}, kMessage{0.78f, 0.78f, 0.79f, 1},
    kYesFill{0.02f, 0.55f, 0.87f, 1}, kNoFill{0.14f, 0.14f, 0.15f, 1};

// The installer's values the popup reads through its aliases.
theme_map InstallerLook() {
    widget_style look;
    look.set_value("notifications_window_margins", size{70, 20});
    look.set_value("notifications_component_margins", size{20, 20});
    look.set_value("notifications_text_font_size", 12.0f);
    look.set_value("notifications_text_font_color", kMessage);
    look.set_value("notifications_text_alignment", 1);
    look.set_value("notifications_back_color", kBack);
    look.set_value("rounded_button_next_back_color_normal", kYesFill);
    look.set_value("rounded_button_back_color_normal", kNoFill);
    return look.values;
}

class NotificationPopupTest : public WidgetTest {
protected:
    void SetUp() override { set_theme(InstallerLook()); }
    void TearDown() override {
        window::release_capture();
        set_theme({});
    }

    // With the installer's margins as its callers alias them, or the toolkit's; with a 60 x 44
    // picture or none; owned by `win`.
    void Build(NotificationPopup& popup, bool installerMargins, bool withPicture,
               const std::string& message) {
        if (installerMargins) {
            popup.root.style.set_alias("message_popup_window_margins",
                                       "notifications_window_margins");
            popup.root.style.set_alias("message_popup_component_margins",
                                       "notifications_component_margins");
        }
        popup.root.style.set_value(
            "message_popup_image",
            withPicture ? encode_value(test_pictures::Reference(picture, 1)) : theme_value{});
        popup.Build(win.get(), "Exit Installer", message);
    }
    static void ClickAt(NotificationPopup& popup, int32_t x, int32_t y) {
        HostOf(popup).pointer = {x, y};
        popup.on_mouse_move(96);  // the first move arms leave tracking, the second is routed
        popup.on_mouse_move(96);
        popup.dispatch(event_type::mouse_down, 0, 0);
        popup.dispatch(event_type::mouse_up, 0, 0);
    }

    const std::vector<uint8_t> picture = test_pictures::SolidPng(60, 44);
};

TEST_F(NotificationPopupTest, LayoutFollowsMarginsPictureAndMessage) {
    struct Case {
        const char* name;
        bool installer_margins, picture;
        const char* message;
        rect label;
        int32_t row_y, yes_x, no_x, height;
    };
    // Tahoma 12 in the recording text model: 6 dips a unit, lines 14 high; measuring adds a dip
    // and the label one more.
    // clang-format off
    const Case cases[] = {
        {"installer's", true, true, "Are you sure?", {70, 84, 260, 16}, 120, 20, 140, 170},
        {"long message, no picture", true, false, "1\n2\n3\n4\n5\n6\n7\n8",
         {70, 40, 260, 114}, 174, 20, 140, 224},
        // The toolkit's own margins: {20, 20} and a gap of 10 stored as one number.
        {"toolkit's", false, true, "Are you sure?", {20, 74, 360, 16}, 100, 70, 190, 140},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NotificationPopup popup(os);
        Build(popup, c.installer_margins, c.picture, c.message);
        const scripted_window_host& host = HostOf(popup);
        EXPECT_EQ(host.centred, 1);
        EXPECT_EQ((size{host.client.width, host.client.height}), (size{400, c.height}));
        EXPECT_EQ(popup.messageLabel.bounds, c.label);
        EXPECT_EQ(popup.buttonRow.bounds, (rect{c.label.x, c.row_y, c.label.width, 30}));
        EXPECT_EQ(popup.yesButton.bounds, (rect{c.yes_x, 0, 100, 30}));
        EXPECT_EQ(popup.noButton.bounds, (rect{c.no_x, 0, 100, 30}));
        EXPECT_EQ(popup.focused, &popup.yesButton);

        machine.graphics.primitives.clear();
        popup.on_paint(0, 0, 400, c.height);
        const auto fills = Drawn("fill_rectangle");
        ASSERT_FALSE(fills.empty());
        EXPECT_EQ(fills[0].local, (rect_f{0, 0, 400, float(c.height)}));
        EXPECT_EQ(fills[0].color, F(kBack));
        const auto pictures = Drawn("draw_bitmap");
        EXPECT_EQ(pictures.size(), c.picture ? 1u : 0u);
        for (const auto& shown : pictures) EXPECT_EQ(shown.local, (rect_f{170, 20, 230, 64}));
        // The message in the installer's colour, then the YES and NO pills in theirs.
        const auto pills = Drawn("fill_ellipse");
        const auto texts = Drawn("draw_text");
        ASSERT_EQ(pills.size(), 4u);
        ASSERT_EQ(texts.size(), 3u);
        EXPECT_EQ(pills[0].color, F(kYesFill));
        EXPECT_EQ(pills[2].color, F(kNoFill));
        EXPECT_EQ(texts[0].color, F(kMessage));
        EXPECT_EQ(texts[0].alignment, pelsdk::platform::text_alignment::center);
    }
}

TEST_F(NotificationPopupTest, YesAndEnterGiveOneNoEscapeAndCloseGiveZero) {
    using Action = std::function<void(NotificationPopup&)>;
    const auto key = [](uint64_t code) {
        return [code](NotificationPopup& p) { p.dispatch(event_type::key_down, code, 0); };
    };
    const auto click = [](int32_t x) { return [x](NotificationPopup& p) { ClickAt(p, x, 135); }; };
    const Action enter = key(13), escape = key(27);
    const Action tab = [](NotificationPopup& p) { p.dispatch(event_type::char_input, 9, 0); };
    // With the cancel layout the row is {70, 120, 260, 30}: YES at x 90, NO at x 210.
    struct Case {
        const char* name;
        std::vector<Action> script;  // one action a turn of the loop
        int32_t result;
    };
    const Case cases[] = {
        {"Enter", {enter}, 1},
        {"another key, then Escape", {key(65), escape}, 0},
        {"YES", {click(140)}, 1},
        {"NO", {click(260)}, 0},
        {"between the buttons, then Enter", {click(200), enter}, 1},
        {"Tab to NO, then Enter", {tab, enter}, 0},
        {"system close", {[](NotificationPopup& p) { p.on_close_request(); }}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NotificationPopup popup(os);
        Build(popup, true, true, "Are you sure?");
        scripted_window_host& host = HostOf(popup);
        size_t turn = 0;
        host.loop_step = [&] {
            EXPECT_TRUE(host.visible);
            EXPECT_FALSE(HostOf(*win).enabled) << "the owner waits";
            if (turn == c.script.size()) {
                ADD_FAILURE() << "still running after the script";
                popup.close(-1);
                return;
            }
            c.script[turn++](popup);
        };
        EXPECT_EQ(popup.run(), c.result);
        EXPECT_EQ(turn, c.script.size());
        EXPECT_FALSE(host.visible);
        EXPECT_TRUE(HostOf(*win).enabled);
    }
}

}  // namespace
