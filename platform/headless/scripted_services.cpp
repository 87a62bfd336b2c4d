#include "platform/headless/scripted_services.h"

namespace pelsdk::platform {

namespace {

class scripted_menu final : public native_menu {
public:
    explicit scripted_menu(scripted_menus& owner) : owner_(owner) {}
    void add_item(uint32_t command_id, int32_t parent_id, std::string_view text) override {
        items_.push_back({command_id, parent_id, std::string(text)});
    }
    uint32_t track(const int_point& screen_pixels, window_host&) override {
        owner_.last_items = items_;
        owner_.shown_at.push_back(screen_pixels);
        return owner_.answer;
    }

private:
    scripted_menus& owner_;
    std::vector<scripted_menus::item> items_;
};

}  // namespace

std::unique_ptr<native_menu> scripted_menus::create_menu() {
    return std::make_unique<scripted_menu>(*this);
}

}  // namespace pelsdk::platform
