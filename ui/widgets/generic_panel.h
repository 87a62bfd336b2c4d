#pragma once

#include "ui/core/widget.h"

namespace pelsdk::ui {

// A plain rectangle with the background and border of its theme: the container of pages and
// page areas.
class generic_panel : public widget {
public:
    generic_panel();

    virtual void paint();
};

}  // namespace pelsdk::ui
