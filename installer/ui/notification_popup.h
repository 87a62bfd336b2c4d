#pragma once

#include <memory>
#include <string>

#include "installer/ui/rounded_button.h"
#include "ui/core/window.h"
#include "ui/render/image.h"
#include "ui/widgets/flow_panel.h"
#include "ui/widgets/text_label.h"

// The installer's message box: a modal window 400 dips wide with a picture, a message and the
// buttons YES (result 1, also Enter) and NO (result 0, also Escape and the system close), or OK
// alone. The
// caller may alias the margin keys on the root widget's theme before building it; it builds and
// runs a popup once.
class NotificationPopup : public pelsdk::ui::window {
public:
    explicit NotificationPopup(pelsdk::platform::services& platform);

    // Creates the native window, owned by `ownerWindow` when given, and lays the popup out; its
    // height follows the message. `run()` then shows it and returns the result.
    void Build(pelsdk::ui::window* ownerWindow, const std::string& title,
               const std::string& message);
    // A dialog named by its title, whose message a screen reader reads as it opens.
    pelsdk::ui::access_description describe_client() const override;

    // Set before Build for a popup that states a result rather than asks: one button, "OK",
    // which answers as YES does.
    bool statesOnly = false;
    RoundedButton yesButton;
    RoundedButton noButton;
    pelsdk::ui::text_label messageLabel;
    pelsdk::ui::flow_panel buttonRow{pelsdk::ui::flow_orientation::horizontal};
    std::unique_ptr<pelsdk::ui::image> picture;
    pelsdk::ui::point picturePosition{0, 0};

private:
    // Loads the picture and places it centred at the top margin; gives its height.
    int32_t PlacePicture(int32_t topMargin);
    // The label starts at `top` and grows with the message; gives its bottom.
    int32_t PlaceMessage(const std::string& message, int32_t margin, int32_t top);
    void PlaceButtons(int32_t margin, int32_t top);
    void Paint();
    void OnClick(const pelsdk::ui::event_info& info);
    void OnKey(const pelsdk::ui::event_info& info);
};
