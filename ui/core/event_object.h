#pragma once

namespace pelsdk::ui {

// Base of everything that sends or owns event handlers: windows and widgets. Destroying it
// removes every handler registered on it and on its behalf.
class event_object {
public:
    event_object() = default;
    virtual ~event_object();

    event_object(const event_object&) = delete;
    event_object& operator=(const event_object&) = delete;
};

}  // namespace pelsdk::ui
