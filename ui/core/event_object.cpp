#include "ui/core/event_object.h"

#include "ui/core/event_hub.h"

namespace pelsdk::ui {

event_object::~event_object() { event_hub::instance().unregister_all(this); }

handler_id event_object::listen(event_object& sender, event_type type, event_handler handler) {
    const handler_id id =
        event_hub::instance().register_handler(&sender, this, type, std::move(handler));
    on_listening(sender, id);
    return id;
}

}  // namespace pelsdk::ui
