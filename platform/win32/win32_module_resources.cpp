#include "platform/win32/win32_module_resources.h"

#include <windows.h>

namespace pelsdk::platform {

namespace {

HRSRC as_hrsrc(module_resources::located resource) {
    return static_cast<HRSRC>(const_cast<void*>(resource.handle));
}

}  // namespace

std::optional<module_resources::located> win32_module_resources::find_rcdata(uint16_t id) {
    HRSRC found = FindResourceW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (found == nullptr) return std::nullopt;
    return located{found};
}

std::optional<module_resources::loaded> win32_module_resources::load(located resource) {
    HGLOBAL data = LoadResource(GetModuleHandleW(nullptr), as_hrsrc(resource));
    if (data == nullptr) return std::nullopt;
    return loaded{data};
}

uint32_t win32_module_resources::size(located resource) {
    return SizeofResource(GetModuleHandleW(nullptr), as_hrsrc(resource));
}

const void* win32_module_resources::lock(loaded resource) {
    return LockResource(static_cast<HGLOBAL>(const_cast<void*>(resource.handle)));
}

}  // namespace pelsdk::platform
