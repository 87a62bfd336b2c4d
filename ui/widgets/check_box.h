#pragma once

#include <memory>
#include <string>

#include "ui/core/widget.h"
#include "ui/render/image.h"

namespace pelsdk::ui {

class renderer;

// A two-state box drawn from a picture with a frame per state, beside its caption. Any mouse
// button released on it flips the state, mirrored into `bound` when set, and fires
// `value_changed` before (fields 0, 0) and after (fields 2, 0) the change. It has no keyboard
// behaviour. Once created it stays disabled until the application enables it.
class check_box : public widget {
public:
    check_box();

    virtual void paint();
    // Places box and caption by one of the eight arrangements (see arrange_columns); call it
    // after changing the caption or the size.
    void arrange(int32_t chosen);

    // A check button named by its caption, checked as the bound value says.
    std::optional<access_description> describe() const override;

    std::string caption;
    bool ticked = false;
    rect box_rect{0, 0, 0, 0};
    rect text_rect{0, 0, 0, 0};
    int32_t text_gap = 5;
    bool hover = false;
    size frame_size{0, 0};
    int32_t arrangement = 0;
    std::unique_ptr<ui::image> image;
    // Owned by the application; read back at every paint and written on every toggle.
    bool* bound = nullptr;

protected:
    void use_caption_font(renderer& drawing) const;

private:
    void on_created();
    void toggle();
};

}  // namespace pelsdk::ui
