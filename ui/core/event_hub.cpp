#include "ui/core/event_hub.h"

#include <iterator>

namespace pelsdk::ui {

namespace {

// One counter for the whole process; the first id is 1, so 0 never names a handler.
handler_id next_handler_id() {
    static handler_id last = 0;
    return ++last;
}

}  // namespace

event_hub& event_hub::instance() {
    static event_hub hub;
    return hub;
}

handler_id event_hub::register_handler(event_object* sender, event_object* owner, event_type type,
                                       event_handler handler) {
    const handler_id id = next_handler_id();
    handler_list& list = handlers_[sender][type];
    list.push_back(handler_entry{id, std::move(handler)});
    registrations_[id] = registration{sender, type, std::prev(list.end())};
    owned_[owner].push_back(id);
    return id;
}

bool event_hub::fire(event_object* sender, event_type type, uint64_t param1, uint64_t param2) {
    return fire_reserved(sender, type, 2, 1, param1, param2);
}

bool event_hub::fire_reserved(event_object* sender, event_type type, int32_t reserved1,
                              int32_t reserved2, uint64_t param1, uint64_t param2) {
    const auto table = handlers_.find(sender);
    if (table == handlers_.end()) return false;
    const auto list = table->second.find(type);
    if (list == table->second.end()) return false;

    std::vector<event_handler> snapshot;
    snapshot.reserve(list->second.size());
    for (const handler_entry& entry : list->second) snapshot.push_back(entry.handler);

    const event_info info{sender, type, reserved1, reserved2, param1, param2};
    for (const event_handler& handler : snapshot) handler(info);
    return true;
}

bool event_hub::has_handler(const event_object* sender, event_type type) const {
    const auto table = handlers_.find(sender);
    return table != handlers_.end() && table->second.count(type) != 0;
}

void event_hub::unregister(handler_id id) {
    const auto found = registrations_.find(id);
    if (found == registrations_.end()) return;
    const registration where = found->second;
    registrations_.erase(found);

    handler_table& table = handlers_[where.sender];
    handler_list& list = table[where.type];
    list.erase(where.position);
    if (list.empty()) table.erase(where.type);
    if (table.empty()) handlers_.erase(where.sender);
}

void event_hub::unregister_all(const event_object* object) {
    const auto owned = owned_.find(object);
    if (owned != owned_.end()) {
        const std::vector<handler_id> ids = std::move(owned->second);
        owned_.erase(owned);
        for (handler_id id : ids) unregister(id);
    }
    forget_sender(object);
}

// Drops the object's handler table; the ids in it stop naming anything, wherever they are kept.
void event_hub::forget_sender(const event_object* sender) {
    const auto table = handlers_.find(sender);
    if (table == handlers_.end()) return;
    for (const auto& [type, list] : table->second) {
        for (const handler_entry& entry : list) registrations_.erase(entry.id);
    }
    handlers_.erase(table);
}

}  // namespace pelsdk::ui
