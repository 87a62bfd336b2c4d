#include "ui/core/event_object.h"

#include "ui/core/event_hub.h"

namespace pelsdk::ui {

event_object::~event_object() { event_hub::instance().unregister_all(this); }

}  // namespace pelsdk::ui
