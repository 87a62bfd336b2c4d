#pragma once

#include <memory>
#include <string>

#include "ui/base/geometry.h"

namespace pelsdk::ui {

class widget;
class window;

// The window a tooltip appears in. The widgets layer draws it and hands the window its factory
// with every tooltip it adds, so the window's schedule makes one without knowing how it looks.
class tooltip_popup {
public:
    virtual ~tooltip_popup() = default;
    // Beside the pointer and inside the work area: `position` is the screen position of the
    // top-left corner, in pixels like every window position; the subject (may be null) lends
    // its theme.
    virtual void show(const point& position, std::string title, std::string body,
                      widget* subject) = 0;
    virtual void hide() = 0;
    virtual bool is_shown() const = 0;
    // The subject is going away.
    virtual void forget(const widget* gone) = 0;
};

using tooltip_factory = std::unique_ptr<tooltip_popup> (*)(window& owner);

}  // namespace pelsdk::ui
