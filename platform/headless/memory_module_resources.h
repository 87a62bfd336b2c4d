#pragma once

#include <map>
#include <vector>

#include "platform/module_resources.h"

namespace pelsdk::platform {

// A module's RCDATA resources in memory; a resource can be made to fail loading.
class memory_module_resources final : public module_resources {
public:
    void add_rcdata(uint16_t id, std::vector<unsigned char> bytes);
    void fail_loading(uint16_t id);

    std::optional<located> find_rcdata(uint16_t id) override;
    std::optional<loaded> load(located resource) override;
    uint32_t size(located resource) override;
    const void* lock(loaded resource) override;

private:
    struct entry {
        std::vector<unsigned char> bytes;
        bool fails_loading = false;
    };
    static const entry& entry_of(const void* handle) { return *static_cast<const entry*>(handle); }

    std::map<uint16_t, entry> entries_;
};

}  // namespace pelsdk::platform
