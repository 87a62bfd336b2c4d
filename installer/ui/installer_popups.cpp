#include "installer/ui/installer_popups.h"

#include "installer/engine/single_instance.h"
#include "installer/ui/notification_popup.h"

namespace {

constexpr int32_t kConfirmed = 1;

int32_t ShowPopup(NotificationPopup& popup, pelsdk::ui::window* owner, const std::string& title,
                  const std::string& message, PopupSpacing spacing) {
    pelsdk::ui::widget_style& look = popup.root.style;
    if (spacing == PopupSpacing::kError) {
        look.set_alias("message_popup_window_margins", "notifications_error_window_margins");
        look.set_alias("message_popup_component_margins", "notifications_error_component_margins");
    } else {
        look.set_alias("message_popup_window_margins", "notifications_window_margins");
        look.set_alias("message_popup_component_margins", "notifications_component_margins");
    }
    popup.Build(owner, title, message);
    return popup.run();
}

}  // namespace

bool AskUser(pelsdk::platform::services& os, pelsdk::ui::window* owner, const std::string& title,
             const std::string& message, PopupSpacing spacing) {
    NotificationPopup popup(os);
    return ShowPopup(popup, owner, title, message, spacing) == kConfirmed;
}

void TellUser(pelsdk::platform::services& os, const std::string& title,
              const std::string& message) {
    NotificationPopup popup(os);
    popup.statesOnly = true;
    ShowPopup(popup, nullptr, title, message, PopupSpacing::kNotice);
}

bool HoldInstanceOrAsk(pelsdk::platform::services& os) {
    while (!os.locks.try_hold(kInstallerInstanceName)) {
        if (!AskUser(os, nullptr, "Installer already running",
                     "Another " VELKOR_PRODUCT " installer is running on this computer.\n\n"
                     "Do you want to retry?",
                     PopupSpacing::kError)) {
            return false;
        }
    }
    return true;
}
