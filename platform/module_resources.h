#pragma once

#include <cstdint>
#include <optional>

namespace pelsdk::platform {

// The RCDATA resources of the program's own module. Finding and loading are separate steps
// because they fail for different reasons (absent from the module, or not mappable).
class module_resources {
public:
    struct located {
        const void* handle;
    };
    struct loaded {
        const void* handle;
    };

    virtual ~module_resources() = default;

    // FindResourceW(GetModuleHandleW(nullptr), MAKEINTRESOURCE(id), RT_RCDATA).
    virtual std::optional<located> find_rcdata(uint16_t id) = 0;
    // LoadResource.
    virtual std::optional<loaded> load(located resource) = 0;
    // SizeofResource.
    virtual uint32_t size(located resource) = 0;
    // LockResource.
    virtual const void* lock(loaded resource) = 0;
};

}  // namespace pelsdk::platform
