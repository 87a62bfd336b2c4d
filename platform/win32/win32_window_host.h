#pragma once

#include <windows.h>

#include <string>

#include <memory>

#include "platform/win32/msaa_client_area.h"
#include "platform/win32/native_drop_target.h"
#include "platform/win32/win32_input_method.h"
#include "platform/window_host.h"

namespace pelsdk::platform {

// The first name free for a window class: base, or base with "0" appended as often as a class
// of that name already exists.
std::wstring first_free_class_name(const wchar_t* base);

// A Win32 window whose window procedure turns messages into toolkit events.
class win32_window_host final : public window_host {
public:
    win32_window_host();
    ~win32_window_host() override;

    void create(const int_rect& client_dips, uint16_t flags, window_host* owner,
                window_events& events) override;
    void* handle() const override { return hwnd_; }
    platform::input_method& input_method() override { return *input_method_; }
    uint32_t dpi_x() const override { return dpi_x_; }
    uint32_t dpi_y() const override { return dpi_y_; }
    void set_title(const std::string& utf8) override;
    bool is_visible() const override;
    void show() override;
    void show_inactive() override;
    void hide() override;
    void update() override;
    void invalidate(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
    void set_timer(uint32_t id, uint32_t interval_ms) override;
    void kill_timer(uint32_t id) override;
    void set_capture() override;
    void release_capture() override;
    bool has_focus() const override;
    int_point cursor_position() const override;
    int_point screen_cursor_position() const override;
    void set_cursor(cursor_shape shape) override;
    bool shift_down() const override;
    bool ctrl_down() const override;
    bool right_alt_down() const override;
    double milliseconds() const override;
    void disable_owner() override;
    void enable_owner() override;
    void run_loop(const bool& running) override;
    void center() override;
    void resize(const int_rect& client_dips) override;
    void keep_in_work_area() override;
    int_rect frame_rect() const override;
    void track_mouse_leave() override;
    void destroy() override;
    void notify_access(access_event event, int32_t id) override;

    ui::native_drop_target& drop_target() { return drop_target_; }

private:
    static const wchar_t* registered_class();
    static LRESULT CALLBACK window_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);
    void on_dpi_changed(WPARAM wparam, const RECT& suggested);
    RECT frame_insets() const;
    HWND owner_window() const;
    void record_frame();

    // Initialises OLE for the window before anything else, and goes last.
    ui::native_drop_target drop_target_;
    HWND hwnd_ = nullptr;
    std::unique_ptr<win32_input_method> input_method_;
    HBRUSH background_brush_ = nullptr;
    window_events* events_ = nullptr;
    DWORD style_ = 0;
    DWORD ex_style_ = 0;
    uint32_t dpi_x_ = 96, dpi_y_ = 96;
    bool maximized_ = false;
    bool dpi_changed_ = false;
    int_point pending_position_{0, 0};  // (0, 0): none
    int_rect frame_{100, 100, 1024, 768};
    int_point min_size_{0, 0};
    int_point max_size_{100000, 100000};
    // Shared with the accessible objects handed to screen readers, which may outlive the window.
    std::shared_ptr<msaa_window> accessible_ = std::make_shared<msaa_window>();
};

}  // namespace pelsdk::platform
