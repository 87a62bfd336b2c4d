#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/widget_scene.h"
#include "ui/base/pel_exception.h"
#include "ui/core/clipboard_text.h"
#include "ui/core/folder_picker.h"
#include "ui/core/popup_menu.h"

namespace {

using namespace pelsdk::ui;
using pelsdk::platform::folder_choice;
using outcome = folder_choice::outcome;

class NativeServicesTest : public WidgetTest {
protected:
    // Records every file_drop an object receives as "name:param2" (and the paths, when given).
    void Watch(event_object& object, const std::string& name) {
        event_hub::instance().register_handler(&object, &object, event_type::file_drop,
                                               [this, name](const event_info& e) {
            std::string entry = name;
            entry += ':';
            entry += std::to_string(e.param2);
            if (e.param1 != 0) {
                for (const auto& path : *event_param_as<std::vector<std::wstring>>(e.param1)) {
                    entry += ' ';
                    entry.append(path.begin(), path.end());
                }
            }
            heard.push_back(entry);
        });
    }
    std::vector<std::string> Take() { return std::exchange(heard, {}); }

    std::vector<std::string> heard;
};

TEST_F(NativeServicesTest, FileDragsAndDropsReachTheWidgetUnderThePointer) {
    widget target, other, disabled, plain;
    Add(target, {0, 0, 100, 100});
    Add(other, {100, 0, 100, 100});
    Add(disabled, {200, 0, 100, 100});
    Add(plain, {300, 0, 100, 100});
    disabled.set_enabled(false);
    Watch(target, "target");
    Watch(other, "other");
    Watch(disabled, "disabled");

    struct Step {
        int32_t x;
        const char* action;  // "over" or "drop"
        bool taken;          // what the drag-over answers
        std::vector<std::string> heard;
    };
    const Step steps[] = {
        {50, "over", true, {"target:1"}},
        {60, "over", true, {}},  // still over the same widget: nothing new
        {150, "over", true, {"target:2", "other:1"}},
        // A disabled widget takes nothing and is not entered: the drag has left the last one.
        {250, "over", false, {"other:2"}},
        {350, "over", false, {}},
        {50, "drop", true, {"target:0 C:\\a.txt"}},
        {250, "drop", true, {}},
    };
    for (const Step& step : steps) {
        MoveTo(step.x, 50);
        if (std::string(step.action) == "over") {
            EXPECT_EQ(win->on_file_drag_over(), step.taken) << step.x;
        } else {
            std::vector<std::wstring> paths{L"C:\\a.txt"};
            win->on_files_dropped(paths);
        }
        EXPECT_EQ(Take(), step.heard) << step.action << " at " << step.x;
    }

    // The window hears every drag and drop, with param2 0; then it takes drops everywhere.
    Watch(*win, "window");
    MoveTo(350, 50);
    EXPECT_TRUE(win->on_file_drag_over());
    EXPECT_EQ(Take(), (std::vector<std::string>{"window:0"}));
}

TEST_F(NativeServicesTest, CompositionReachesTheFocusedWidgetOnly) {
    EXPECT_TRUE(host->ime.detached) << "the window starts without an input context";
    widget field;
    Add(field, {0, 0, 100, 30});
    std::vector<uint64_t> steps;
    for (event_object* object : {static_cast<event_object*>(&field), static_cast<event_object*>(win.get())}) {
        event_hub::instance().register_handler(object, object, event_type::ime_composition,
                                               [&, object](const event_info& e) {
            steps.push_back(object == win.get() ? 100 + e.param1 : e.param1);
        });
    }
    win->set_focus(&field, 0);
    host->ime.text = u"か";
    win->on_ime_message(pelsdk::platform::ime_message::start_composition, 0);
    win->on_ime_message(pelsdk::platform::ime_message::composition, 0x8);
    host->ime.result = u"か";
    win->on_ime_message(pelsdk::platform::ime_message::end_composition, 0);
    EXPECT_EQ(steps, (std::vector<uint64_t>{0, 1, 2}));
    EXPECT_EQ(win->ime().composition, u"\u304b");
    field.set_enabled(false);
    win->on_ime_message(pelsdk::platform::ime_message::start_composition, 0);
    EXPECT_EQ(steps.size(), 3u) << "a disabled widget composes nothing";
}

TEST_F(NativeServicesTest, FolderPickerAnswersOrThrowsItsMessage) {
    struct Case {
        outcome result;
        std::wstring path;
        std::wstring returned;
        const char* thrown;
    };
    const Case cases[] = {
        {outcome::chosen, L"C:/Program Files/Adobe\\Plug-ins", L"C:\\Program Files\\Adobe\\Plug-ins", nullptr},
        {outcome::cancelled, L"", L"", nullptr},
        {outcome::not_created, L"", L"", "unable to create the folder \"select\" dialog box"},
        {outcome::not_set_up, L"", L"", "unable to setup the folder \"select\" dialog box"},
        {outcome::not_shown, L"", L"", "unable to display the folder \"select\" dialog box"},
        {outcome::no_selection, L"", L"",
         "unable to retrieve the selection from the folder \"select\" dialog box"},
        {outcome::no_path, L"", L"", "unable to retrieve a result from the folder \"select\" dialog box"},
    };
    for (const Case& c : cases) {
        machine.folders.answer = {c.result, c.path};
        if (c.thrown == nullptr) {
            EXPECT_EQ(select_folder(*win, "Custom Folder", L"D:\\Old"), c.returned);
        } else {
            try {
                select_folder(*win, "Custom Folder", L"D:\\Old");
                ADD_FAILURE() << "no exception for " << c.thrown;
            } catch (const pel_exception& e) {
                EXPECT_STREQ(e.what(), c.thrown);
            }
        }
    }
    const auto& asked = machine.folders.asked.back();
    EXPECT_EQ(asked.owner, &win->host());
    EXPECT_EQ(asked.title, u"Custom Folder");
    EXPECT_EQ(asked.initial, L"D:\\Old");
}

// What the installer's menu shows and copies is checked with the license page; here, where a
// menu stands and what a locked clipboard answers.
TEST_F(NativeServicesTest, MenusShowAtThePointerOnTheScreenAndALockedClipboardRefuses) {
    popup_menu menu(*win);
    menu.add_item(5, 2, "As text");
    host->client.x = 300;
    host->client.y = 200;
    MoveTo(10, 20);
    machine.menus.answer = 5;
    EXPECT_EQ(menu.show_at_pointer(), 5u);
    EXPECT_EQ(machine.menus.shown_at.back(), (pelsdk::platform::int_point{310, 220}));
    using item = pelsdk::platform::scripted_menus::item;
    EXPECT_EQ(machine.menus.last_items, (std::vector<item>{{5, 2, "As text"}}));

    machine.clips.contents.clear();
    machine.clips.locked = true;
    EXPECT_FALSE(copy_to_clipboard(*win, "again"));
    EXPECT_TRUE(machine.clips.contents.empty());
}

}  // namespace
