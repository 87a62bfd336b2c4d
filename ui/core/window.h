#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/services.h"
#include "ui/core/ime_state.h"
#include "ui/core/tooltip_schedule.h"
#include "ui/core/widget.h"
#include "ui/core/window_accessibility.h"
#include "ui/render/renderer.h"

namespace pelsdk::ui {

// A top-level window: its native window, renderer and root widget "BaseWidget", and the
// window-wide interaction state (focus, hover, capture routing, wheel latching, timers,
// tooltips). Geometry is in dips.
class window : public event_object, public platform::window_events {
private:
    struct widget_timer {
        uint32_t user_id;
        widget* target;
        bool one_shot;
    };

    void route_button(event_type type, uint64_t p1, uint64_t p2);
    void route_move(uint64_t p1, uint64_t p2);
    void route_wheel(uint64_t p1, uint64_t p2);
    void route_file_drop(uint64_t p1, uint64_t p2);
    void move_focus_by_tab();
    void lay_out_root(const size& client_dips);
    widget* nearest_enabled(widget* from) const;
    point pointer_in_window() const;
    void paint_focus_outline(const widget& painted);
    void paint_tree(widget& painted, const update_area& update, const point& parent_origin,
                    float ancestors_scale, const platform::matrix_f& parent_transform);
    size to_dips(uint32_t pixel_width, uint32_t pixel_height) const;

    // Declared before the public fields, so that everything here outlives the root widget (and
    // the widgets of subclasses); the native window goes last, after its renderer.
    platform::services& platform_;
    std::unique_ptr<platform::window_host> host_;
    std::unique_ptr<ui::renderer> renderer_;
    std::unique_ptr<ime_state> ime_;
    std::unordered_map<uint32_t, widget_timer> timers_;
    uint32_t next_timer_id_ = 0;
    tooltip_schedule tooltips_{*this};
    window_accessibility accessibility_{*this};
    std::string title_;
    // Set while assistive technology clicks: where the pointer is taken to be, in window dips.
    std::optional<point> synthetic_pointer_;
    // The focus came by Tab: the focused widget shows an outline.
    bool keyboard_focus_ = false;
    bool tree_changed_ = false;
    bool running_ = false;
    widget* wheel_widget_ = nullptr;
    double wheel_time_ = 0;
    point wheel_pos_{0, 0};
    bool tracking_ = false;

public:
    // The window is made of the platform's services and keeps them for its widgets.
    explicit window(platform::services& platform);
    ~window() override;

    // Called for the native WM_USER message; nothing by default.
    void on_user_message(uint64_t lparam, uint64_t wparam) override;

    void create(const std::string& title, const rect& client, uint16_t flags);
    // The modal loop: shows the window, disables the owner, returns the value given to close.
    int32_t run();
    void close(int32_t result);
    void center();
    void resize(const rect& client);
    rect frame_rect() const;
    void set_title(const std::string& text);
    const std::string& title() const { return title_; }
    point to_dips(const point& pixels) const;
    point to_pixels(const point& dips) const;

    // The widgets layer's add_tooltip passes the factory of the window the tooltip appears in.
    void add_tooltip(widget* target, const rect& area, std::string text_a, std::string text_b,
                     tooltip_factory make_popup);
    void remove_tooltips(widget* target);
    void add_timer(widget* target, uint32_t user_id, uint32_t interval_ms, bool one_shot);
    void kill_timer(widget* target, uint32_t user_id);

    void dispatch(event_type type, uint64_t p1, uint64_t p2);
    widget* hit_test(const point& at);
    void set_focus(widget* target, uint64_t value);
    // The pointer relative to a widget, in its dips.
    point pointer_position(const widget& relative_to) const;
    // Everything the window knows of a widget that is going away.
    void forget_widget(widget& gone);

    // What assistive technology reads of the client area: by default the window's title.
    virtual access_description describe_client() const;
    platform::access_source& accessibility() override { return accessibility_; }
    // Tells assistive technology that a widget changed; nothing for one that is no element.
    void announce(platform::access_event event, const widget& subject);
    // A left click at a window position in dips, routed as the pointer's: how assistive
    // technology performs a widget's default action, wherever the real pointer is.
    void click_at(const point& at);
    // Widgets came or went: assistive technology hears of it once, with the next paint.
    void note_tree_changed() { tree_changed_ = true; }

    // What the window procedure produces.
    void on_client_resized(uint32_t pixel_width, uint32_t pixel_height) override;
    void on_paint(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
    bool on_close_request() override;
    void on_input(platform::input kind, uint64_t p1, uint64_t p2) override;
    bool wants_double_click() override;
    void on_timer(uint32_t id) override;
    void on_dpi_changed(uint32_t dpi_x, uint32_t dpi_y, uint32_t pixel_width,
                        uint32_t pixel_height) override;
    bool on_mouse_move(uint32_t dpi) override;
    bool is_tracking() const override { return tracking_; }
    void on_ime_message(platform::ime_message message, uint32_t lparam) override;
    bool on_file_drag_over() override;
    void on_files_dropped(std::vector<std::wstring>& paths) override;

    platform::window_host& host() { return *host_; }
    platform::services& platform() const { return platform_; }
    // The tooltip window, created when a tooltip is first shown; null before.
    tooltip_popup* tooltip_window() const { return tooltips_.popup(); }
    ui::renderer& drawing() { return *renderer_; }
    // The composition the input method is making; made by `create`.
    ime_state& ime() { return *ime_; }

    // The one widget of the process that holds the pointer capture.
    static widget* capture();
    static void take_capture(widget& holder);
    static void release_capture();

    window* owner = nullptr;
    widget* focused = nullptr;
    widget* hovered = nullptr;
    widget* drop_target = nullptr;  // the widget under a file drag
    std::vector<widget*> widgets;  // created widgets, in creation order: also the Tab order
    int32_t modal_result = 0;
    bool created = false;
    widget* caption_widget = nullptr;
    bool tab_navigation = true;
    bool swallow_up = false;
    bool tooltips_enabled = true;
    bool button_held = false;
    widget root;
};

}  // namespace pelsdk::ui
