#pragma once

#include "ui/core/event_info.h"

namespace pelsdk::ui {

// Base of everything that sends or owns event handlers: windows and widgets. Destroying it
// removes every handler registered on it and on its behalf.
class event_object {
public:
    event_object() = default;
    virtual ~event_object();

    event_object(const event_object&) = delete;
    event_object& operator=(const event_object&) = delete;

    // Hears the sender's events of one type (its own too, with *this as the sender) on this
    // object's behalf, after the handlers already there; the handler goes when either goes.
    handler_id listen(event_object& sender, event_type type, event_handler handler);
    // The same with a member function of this object.
    template <typename Self>
    handler_id listen(event_object& sender, event_type type,
                      void (Self::*member)(const event_info&)) {
        Self* self = static_cast<Self*>(this);
        return listen(sender, type, [self, member](const event_info& info) { (self->*member)(info); });
    }

protected:
    // Told of every handler this object registers, with the sender it listens to.
    virtual void on_listening(event_object&, handler_id) {}
};

}  // namespace pelsdk::ui
