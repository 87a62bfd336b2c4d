#pragma once

#include <list>
#include <unordered_map>
#include <vector>

#include "ui/core/event_info.h"

namespace pelsdk::ui {

// The process-wide dispatcher of toolkit events. Used from the UI thread only; only its
// creation is thread-safe.
class event_hub {
public:
    static event_hub& instance();

    // Appends the handler to the sender's handlers for the type; the owner is the object whose
    // destruction removes it. Handlers run in registration order.
    handler_id register_handler(event_object* sender, event_object* owner, event_type type,
                                event_handler handler);
    // Runs a copy of the sender's handlers for the type, so that handlers may register and
    // unregister (themselves too) while it runs. False when the sender has none. The reserved
    // fields are 2 and 1, as for every event but the check box's value_changed.
    bool fire(event_object* sender, event_type type, uint64_t param1 = 0, uint64_t param2 = 0);
    // The same with the reserved fields given: the check box's value_changed carries its own.
    bool fire_reserved(event_object* sender, event_type type, int32_t reserved1,
                       int32_t reserved2, uint64_t param1 = 0, uint64_t param2 = 0);
    bool has_handler(const event_object* sender, event_type type) const;
    // Ids that are not registered are ignored.
    void unregister(handler_id id);
    // Removes the handlers registered on the object's behalf and every handler it sends to.
    void unregister_all(const event_object* object);

private:
    struct handler_entry {
        handler_id id;
        event_handler handler;
    };
    using handler_list = std::list<handler_entry>;
    using handler_table = std::unordered_map<event_type, handler_list>;
    struct registration {
        const event_object* sender;
        event_type type;
        handler_list::iterator position;
    };

    void forget_sender(const event_object* sender);

    std::unordered_map<const event_object*, handler_table> handlers_;
    std::unordered_map<handler_id, registration> registrations_;
    std::unordered_map<const event_object*, std::vector<handler_id>> owned_;
};

}  // namespace pelsdk::ui
