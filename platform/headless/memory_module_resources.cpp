#include "platform/headless/memory_module_resources.h"

namespace pelsdk::platform {

void memory_module_resources::add_rcdata(uint16_t id, std::vector<unsigned char> bytes) {
    entries_[id].bytes = std::move(bytes);
}

void memory_module_resources::fail_loading(uint16_t id) { entries_[id].fails_loading = true; }

std::optional<module_resources::located> memory_module_resources::find_rcdata(uint16_t id) {
    const auto found = entries_.find(id);
    if (found == entries_.end()) return std::nullopt;
    return located{&found->second};
}

std::optional<module_resources::loaded> memory_module_resources::load(located resource) {
    if (entry_of(resource.handle).fails_loading) return std::nullopt;
    return loaded{resource.handle};
}

uint32_t memory_module_resources::size(located resource) {
    return static_cast<uint32_t>(entry_of(resource.handle).bytes.size());
}

const void* memory_module_resources::lock(loaded resource) {
    return entry_of(resource.handle).bytes.data();
}

}  // namespace pelsdk::platform
