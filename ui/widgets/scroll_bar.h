#pragma once

#include <cstdint>
#include <memory>

#include "ui/core/widget.h"
#include "ui/render/image.h"
#include "ui/widgets/scroll_geometry.h"

namespace pelsdk::ui {

// Scrolls one content widget inside its viewport, the content's parent, by moving the content
// to a negative offset. The bar shows itself only while the content overflows the viewport;
// it has a thumb with three grip lines, optional arrow buttons at both ends, and answers drags,
// track presses, the buttons and the wheel (over the bar, and for vertical bars over the
// content). It fires value_changed with the scroll position. Its handlers are registered when
// `created` arrives.
class scroll_bar : public widget {
public:
    // 0 vertical, 1 horizontal. Any other orientation leaves the bar inert: it registers no
    // handlers, moves no content and only announces value_changed.
    explicit scroll_bar(uint32_t bar_orientation);

    // A scroll bar whose value is its position.
    std::optional<access_description> describe() const override;

    virtual void paint_button(const rect& area, bool start);
    virtual void paint_thumb(const rect& area);
    virtual void paint_background(const rect& area);

    // Null detaches the current content. The content is moved back to its start.
    void set_content(widget* scrolled);
    // Snapped towards 0 to a multiple of step unless exact; value_changed carries the position
    // asked.
    void scroll_to(int32_t target, bool exact);
    // A positive delta moves towards the start; value_changed carries the new position.
    void scroll_by(int32_t delta);

    uint32_t orientation;
    // Takes effect when the bar is created or resized.
    bool show_buttons = false;
    bool overflowing = false;
    std::unique_ptr<image> arrow_image;
    rect thumb{0, 0, 0, 0};
    rect start_button{0, 0, 0, 0};
    rect end_button{0, 0, 0, 0};
    bool dragging = false;
    point drag_offset{0, 0};
    int32_t position = 0;
    int32_t max_scroll = 0;
    // Button step and snapping unit of drags. 0 turns snapping off (and the buttons move by 0).
    int32_t step = 10;
    float pixels_per_unit = 0.0f;
    widget* content = nullptr;

private:
    bool is_inert() const { return orientation > 1; }
    bool horizontal() const { return orientation == 1; }
    scroll_axis axis() const { return {horizontal()}; }
    // The content's parent, or null without a content or while the content has no parent.
    widget* viewport() const;
    void on_created();
    void paint();
    void resize_step();
    void update_step();
    void viewport_step();
    void move_content(int32_t main_coordinate);
    void drop_content_connections();
    void on_press(const event_info& info);
    void on_move();
    void on_release(const event_info& info);
    void on_wheel(const event_info& info);

    handler_id created_handler_ = 0;
};

}  // namespace pelsdk::ui
