#pragma once

#include <string>
#include <vector>

#include "platform/clipboard.h"
#include "platform/folder_dialog.h"
#include "platform/native_menu.h"

namespace pelsdk::platform {

// Popup menus that record their items and where they were shown, and answer with the command
// the test chose (0: dismissed).
class scripted_menus final : public menu_system {
public:
    struct item {
        uint32_t command_id;
        int32_t parent_id;
        std::string text;
        friend bool operator==(const item&, const item&) = default;
    };
    std::unique_ptr<native_menu> create_menu() override;

    uint32_t answer = 0;
    std::vector<item> last_items;  // of the menu shown last
    std::vector<int_point> shown_at;
};

// Keeps what was put on the clipboard, or refuses as a locked clipboard would.
class recording_clipboard final : public clipboard {
public:
    bool put_text(const std::u16string& text) override {
        if (locked) return false;
        contents.push_back(text);
        return true;
    }
    bool locked = false;
    std::vector<std::u16string> contents;
};

// Answers every folder dialog with the test's choice, recording how it was asked.
class scripted_folder_dialog final : public folder_dialog {
public:
    folder_choice pick(window_host* owner, const std::u16string& title,
                       const std::wstring& initial) override {
        asked.push_back({owner, title, initial});
        return answer;
    }
    struct request {
        window_host* owner;
        std::u16string title;
        std::wstring initial;
    };
    folder_choice answer{folder_choice::outcome::cancelled, {}};
    std::vector<request> asked;
};

}  // namespace pelsdk::platform
