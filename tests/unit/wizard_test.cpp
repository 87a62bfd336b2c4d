#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "installer/ui/installer_ui.h"
#include "installer/ui/notification_popup.h"
#include "platform/text_encoding.h"
#include "tests/support/headless_scene.h"
#include "tests/support/host_of.h"
#include "tests/support/test_imaging.h"
#include "ui/widgets/tooltip.h"

namespace {

using namespace pelsdk::ui;
using pelsdk::platform::folder_choice;
using pelsdk::platform::scripted_window_host;

constexpr rect kArea{450, 64, 574, 496};  // right of the banner, between header and footer

class Wizard : public HeadlessTest {
protected:
    void TearDown() override { scripted_window_host::on_modal_loop = nullptr; }

    // The first `count` of CC, CC2014, CC2015, CC2015.3, CC2017, CC2018 and an unlisted version
    // named 2019 after the folder two levels above its plug-in folder.
    void Start(size_t count) {
        const wchar_t* keys[] = {L"12", L"13", L"13.5", L"13.8", L"14.0", L"15.0", L"16.0"};
        for (size_t i = 0; i < count; ++i) {
            machine.keys.set_value(
                std::wstring(L"SOFTWARE\\Adobe\\After Effects\\") + keys[i], L"PluginInstallPath",
                std::wstring(i == 6 ? L"C:\\Adobe After Effects 2019" : L"C:\\AE") + L"\\" +
                    keys[i] + L"\\Plug-ins");
        }
        ui = std::make_unique<InstallerUI>(os);
        host = &HostOf(*ui);
    }
    // The free-space line for a figure; none, an empty line.
    static std::string FreeSpace(const char* figure) {
        if (figure == nullptr) return "";
        return "At least " + std::string(figure) + " MB of free disk space is required.";
    }

    // The pointer at the widget's offset (its centre by default), in window dips.
    void PointAt(const widget& w, point offset = {-1, -1}) {
        point at = offset.x < 0 ? point{w.bounds.width / 2, w.bounds.height / 2} : offset;
        for (const widget* up = &w; up != nullptr; up = up->parent) {
            at = {at.x + up->bounds.x, at.y + up->bounds.y};
        }
        host->pointer = {at.x, at.y};
        ui->on_mouse_move(96);
        ui->on_mouse_move(96);
    }
    void Click(const widget& w, uint64_t button = 0, point offset = {-1, -1}) {
        PointAt(w, offset);
        ui->dispatch(event_type::mouse_down, button, 0);
        ui->dispatch(event_type::mouse_up, button, 0);
    }
    std::string TipOf(const widget& w) {
        PointAt(w);
        for (int tick = 0; tick < 20; ++tick) ui->on_timer(tooltip_schedule::kTimer);
        return tooltip_of(*ui)->body;
    }

    std::unique_ptr<InstallerUI> ui;
    scripted_window_host* host = nullptr;
};

TEST_F(Wizard, EveryPageStandsCentredRightOfTheBanner) {
    Start(2);
    ui->SetPage(Installing);
    const rect& sentence = ui->welcomeAgreement.bounds;
    EXPECT_EQ(sentence.y, ui->welcomeIntro.bounds.y + ui->welcomeIntro.bounds.height);
    EXPECT_EQ(ui->welcomeLicenseLink.bounds,
              (rect{sentence.width, sentence.y, 250, sentence.height}));
    EXPECT_EQ(ui->welcomeVersionLine.bounds.y, sentence.y + sentence.height + 15);
    const int32_t firstLine = ui->progressTextLabel.bounds.y + 35;
    ASSERT_EQ(ui->resultLines.size(), 2u);
    EXPECT_EQ(ui->resultLines[1]->bounds, (rect{0, firstLine + 25, 424, 20}));
    EXPECT_EQ(ui->clickFinishLabel.bounds.y, firstLine + 2 * 25 + 20);

    const std::pair<WizardPage, const widget*> lasts[] = {{Welcome, &ui->welcomeVersionLine},
                                                          {Versions, &ui->versionsFlow},
                                                          {Installing, &ui->clickFinishLabel}};
    for (const auto& [page, last] : lasts) {
        const int32_t height = last->bounds.y + last->bounds.height + 15;
        EXPECT_EQ(ui->pages[page].bounds, (rect{520, 64 + (496 - height) / 2, 434, height}));
    }
    EXPECT_EQ(ui->pages[License].bounds, kArea);
    EXPECT_EQ(ui->licenseScrollBar.bounds, (rect{559, 0, 15, 496}));
    EXPECT_EQ(ui->licenseText.bounds.width, 539);
    EXPECT_GT(ui->licenseText.bounds.height, 496) << "the whole document, to be scrolled";
}

TEST_F(Wizard, VersionBoxesFillTwoColumnsNewestFirstAfterTheCustomBox) {
    struct Case {
        size_t detected;
        const char* boxes;  // caption and place from the first row's left, box by box
        int32_t flowBelow;
        const char* freeSpace;
    };
    const Case cases[] = {
        {0, "Custom 190,0 ", 14, nullptr},
        {3, "Custom 190,0 CC2015 0,0 CC2014 95,0 CC 0,20 ", 34, "2.49023"},
        {7, "Custom 190,0 2019 0,0 CC2018 95,0 CC2017 0,20 CC2015.3 95,20 CC2015 0,40 "
            "CC2014 95,40 CC 0,60 ", 74, "5.81055"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.detected);
        Start(c.detected);
        ui->SetPage(Versions);
        const int32_t firstRow = ui->versionsBreak.bounds.y + 35;
        std::string boxes;
        for (const auto& box : ui->versionCheckBoxes) {
            const rect& at = box->bounds;
            boxes += box->caption + " " + std::to_string(at.x) + "," +
                     std::to_string(at.y - firstRow) + " ";
            // Detected versions start ticked, the custom box not.
            EXPECT_EQ(*box->bound, box->caption != "Custom");
            EXPECT_TRUE(box->is_enabled() && at.width == 85 && at.height == 14);
        }
        EXPECT_EQ(boxes, c.boxes);
        EXPECT_EQ(ui->customFolderButton.bounds, (rect{285, firstRow - 5, 110, 25}));
        EXPECT_EQ(ui->versionsFlow.bounds.y, firstRow + c.flowBelow);
        EXPECT_EQ(ui->freeSpaceLabel.text, FreeSpace(c.freeSpace));
        EXPECT_EQ(
            TipOf(*ui->versionCheckBoxes.back()),
            c.detected == 0 ? "[Plugin] Quintrel" : "[Plugin] C:\\AE\\12\\Plug-ins\\Quintrel");
        ui.reset();
    }
}

TEST_F(Wizard, FreeSpaceFollowsTheTicksAndTheCustomFolder) {
    Start(2);
    ui->SetPage(Versions);
    machine.folders.asked.clear();
    using enum folder_choice::outcome;
    enum Action { kTick, kPickCancelled, kPickFolder };
    struct Step {
        Action action;
        size_t box;  // 0 Custom, 1 CC2014, 2 CC
        const char* freeSpace;
        bool customOn;
    };
    const Step steps[] = {
        {kTick, 1, "0.830078", false},      {kTick, 2, nullptr, false},
        {kTick, 0, nullptr, true},  // no folder yet: no room needed
        {kPickCancelled, 0, nullptr, true}, {kPickFolder, 0, "0.830078", true},
        {kTick, 1, "1.66016", true},        {kTick, 2, "2.49023", true},
        {kTick, 0, "1.66016", false},  // the folder stays, but counts no more
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(&s - steps);
        const auto outcome = s.action == kPickFolder ? chosen : cancelled;
        machine.folders.answer = {outcome, L"D:/My Plug-ins"};
        Click(s.action == kTick ? static_cast<widget&>(*ui->versionCheckBoxes[s.box])
                                : ui->customFolderButton);
        EXPECT_EQ(ui->freeSpaceLabel.text, FreeSpace(s.freeSpace));
        EXPECT_EQ(ui->customFolderButton.is_enabled(), s.customOn);
        EXPECT_EQ(ui->customPathLabel.is_visible(false), s.customOn);
        EXPECT_EQ(ui->pages[Versions].bounds.height,
                  ui->versionsFlow.bounds.y + ui->versionsFlow.bounds.height + 15);
    }
    EXPECT_EQ(ui->versionEntries.back().pluginFolder, L"D:\\My Plug-ins");
    EXPECT_EQ(ui->customPathLabel.text, "\nCustom Plugin Path: D:\\My Plug-ins");
    ASSERT_EQ(machine.folders.asked.size(), 2u);
    EXPECT_EQ(machine.folders.asked[0].owner, host);
}

// Escape on the installer asks as CANCEL does. Escape on the question keeps the installer open
// (42 stays), Enter confirms and closes it with 1.
TEST_F(Wizard, CancelAsksToExitAndClosesWithTheAnswer) {
    Start(1);
    struct Case {
        bool byEscape;
        uint64_t answer;
        int32_t result;
    };
    for (const Case& c : {Case{true, 27, 42}, Case{false, 27, 42}, Case{true, 13, 1}}) {
        ui->modal_result = 42;
        std::string asked;
        scripted_window_host::on_modal_loop = [&](scripted_window_host& popupHost) {
            const auto& popup = dynamic_cast<NotificationPopup&>(*popupHost.events);
            asked = popupHost.title + "|" + popup.messageLabel.text + "|" +
                    std::to_string(popup.messageLabel.bounds.x) + "," +
                    std::to_string(popup.messageLabel.bounds.y);
            EXPECT_EQ(popupHost.owner, host);
            popupHost.loop_step = [&popupHost, key = c.answer] {
                popupHost.events->on_input(pelsdk::platform::input::key_down, key, 0);
            };
        };
        if (c.byEscape) {
            ui->dispatch(event_type::key_down, 27, 0);
        } else {
            Click(ui->cancelButton);
        }
        // The message stands inside the popup's margins, below its picture.
        EXPECT_EQ(asked,
                  "Exit Installer|Are you sure you want to cancel Velkor Plug-in for After "
                  "Effects installation?|70,64");
        EXPECT_EQ(ui->modal_result, c.result);
        EXPECT_EQ(ui->currentPage, Welcome);
    }
}

TEST_F(Wizard, RightClickOnTheLicenseOffersCopyOfItsVisibleText) {
    Start(0);
    Click(ui->welcomeLicenseLink);
    // Left click; right click with the menu dismissed, answered with another command, choosing
    // "Copy" (command 2).
    const std::tuple<uint64_t, uint32_t, size_t, size_t> cases[] = {
        {0, 2, 0, 0}, {2, 0, 1, 0}, {2, 1, 1, 0}, {2, 2, 1, 1}};
    for (const auto& [button, answer, menus, copies] : cases) {
        machine.menus.answer = answer;
        machine.menus.last_items.clear();
        machine.clips.contents.clear();
        Click(ui->licenseText, button, {40, 10});
        EXPECT_EQ(machine.menus.last_items.size(), menus);
        EXPECT_EQ(machine.clips.contents.size(), copies);
    }
    using item = pelsdk::platform::scripted_menus::item;
    EXPECT_EQ(machine.menus.last_items, (std::vector<item>{{2, -1, "Copy"}}));
    // The text as shown, without its tags.
    EXPECT_EQ(machine.clips.contents.at(0), pelsdk::platform::utf8_to_utf16(ui->licenseText.text));
}

}  // namespace
