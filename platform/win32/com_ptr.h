#pragma once

#include <utility>

namespace pelsdk::platform {

// Owns one reference to a COM object.
template <typename T>
class com_ptr {
public:
    com_ptr() = default;
    explicit com_ptr(T* adopted) : object_(adopted) {}
    com_ptr(const com_ptr& other) : object_(other.object_) {
        if (object_) object_->AddRef();
    }
    com_ptr(com_ptr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    com_ptr& operator=(com_ptr other) noexcept {
        std::swap(object_, other.object_);
        return *this;
    }
    ~com_ptr() {
        if (object_) object_->Release();
    }

    T* get() const { return object_; }
    T* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    // For functions that return a new reference through a T**.
    T** out() {
        *this = com_ptr();
        return &object_;
    }
    void** out_void() { return reinterpret_cast<void**>(out()); }

private:
    T* object_ = nullptr;
};

}  // namespace pelsdk::platform
