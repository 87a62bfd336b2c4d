#include "installer/ui/notification_popup.h"

#include "ui/core/theme_picture.h"
#include "ui/theme/theme_lookup.h"

using namespace pelsdk::ui;

namespace {

constexpr int32_t kPopupWidth = 400;
constexpr int32_t kButtonWidth = 100;
constexpr int32_t kButtonHeight = 30;
constexpr int32_t kButtonGap = 20;
constexpr uint64_t kEnterKey = 13;
constexpr uint64_t kEscapeKey = 27;

}  // namespace

NotificationPopup::NotificationPopup(pelsdk::platform::services& platform)
    : window(platform), picture(std::make_unique<image>()) {}

void NotificationPopup::Build(window* ownerWindow, const std::string& title,
                              const std::string& message) {
    if (ownerWindow != nullptr) owner = ownerWindow;
    create(title, {0, 0, kPopupWidth, 200}, 0);
    listen(root, event_type::paint, [this](const event_info&) { Paint(); });

    const size margins = theme_pair(root.style, "message_popup_window_margins");
    // Only the first number of the component margins is used: the gap between the parts.
    const int32_t gap = theme_int(root.style, "message_popup_component_margins");
    const int32_t pictureHeight = PlacePicture(margins.height);
    const int32_t messageBottom =
        PlaceMessage(message, margins.width, margins.height + pictureHeight + gap);
    const int32_t rowTop = messageBottom + gap;
    PlaceButtons(margins.width, rowTop);

    // Grown or shrunk to the message where it stands; centring then places it.
    const rect placed = frame_rect();
    resize({placed.x, placed.y, kPopupWidth, rowTop + kButtonHeight + gap});
    listen(*this, event_type::key_down, &NotificationPopup::OnKey);
    center();
}

int32_t NotificationPopup::PlacePicture(int32_t topMargin) {
    // Without a picture in the theme nothing is loaded and the picture takes no room.
    load_theme_picture(*picture, root, "message_popup_image");
    const size pictureSize = picture->logical_size();
    picturePosition = {(kPopupWidth - pictureSize.width) / 2, topMargin};
    return pictureSize.height;
}

int32_t NotificationPopup::PlaceMessage(const std::string& message, int32_t margin, int32_t top) {
    root.create_child(messageLabel, {margin, top, kPopupWidth - 2 * margin, 100});
    messageLabel.style.set_value("default_back_color", color{0, 0, 0, 0});
    messageLabel.style.set_alias("label_font_size", "notifications_text_font_size");
    messageLabel.style.set_alias("label_font_color", "notifications_text_font_color");
    messageLabel.style.set_alias("label_font_name", "notifications_text_font_name");
    messageLabel.style.set_alias("label_text_align", "notifications_text_alignment");
    messageLabel.set_text(message, pelsdk::ui::text_fit::height);
    return top + messageLabel.bounds.height;
}

void NotificationPopup::PlaceButtons(int32_t margin, int32_t top) {
    root.create_child(buttonRow, {margin, top, kPopupWidth - 2 * margin, kButtonHeight});
    const auto addButton = [this](RoundedButton& button, const char* text) {
        buttonRow.create_child(button, {0, 0, kButtonWidth, kButtonHeight});
        button.caption = text;
        listen(button, event_type::clicked, &NotificationPopup::OnClick);
    };
    buttonRow.add_flexible_space();
    addButton(yesButton, statesOnly ? "OK" : "YES");
    yesButton.UseAccentLook();
    if (!statesOnly) {
        buttonRow.add_fixed_space(kButtonGap);
        addButton(noButton, "NO");
        noButton.UsePlainLook();
    }
    buttonRow.add_flexible_space();
    buttonRow.layout();
    set_focus(&yesButton, 0);
}

void NotificationPopup::Paint() {
    renderer& draw = drawing();
    draw.set_fill_color(theme_color(root.style, "notifications_back_color"));
    draw.fill_rect({0, 0, root.bounds.width, root.bounds.height});
    draw.draw_image(picturePosition, *picture, 1.0f);
}

void NotificationPopup::OnClick(const event_info& info) {
    close(info.sender == &yesButton ? 1 : 0);
}

void NotificationPopup::OnKey(const event_info& info) {
    // Enter on a focused NO is that button's click: the popup answers NO, not YES as well.
    if (info.param1 == kEnterKey && focused != &noButton) close(1);
    if (info.param1 == kEscapeKey) close(0);
}

access_description NotificationPopup::describe_client() const {
    access_description description = described_as(pelsdk::platform::access_role::dialog, title());
    description.description = messageLabel.text;
    return description;
}
