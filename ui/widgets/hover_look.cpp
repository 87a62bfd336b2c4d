#include "ui/widgets/hover_look.h"

namespace pelsdk::ui {

void follow_hover_and_focus(widget& target, bool& hover) {
    const auto set_hover = [&target, &hover](bool value) {
        return [&target, &hover, value](const event_info&) {
            hover = value;
            target.invalidate(false);
        };
    };
    const auto repaint = [&target](const event_info&) { target.invalidate(false); };
    target.listen(target, event_type::mouse_enter, set_hover(true));
    target.listen(target, event_type::mouse_leave, set_hover(false));
    target.listen(target, event_type::focus_gained, repaint);
    target.listen(target, event_type::focus_lost, repaint);
}

}  // namespace pelsdk::ui
