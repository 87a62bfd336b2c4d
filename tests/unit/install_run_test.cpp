#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <deque>
#include <thread>

#include "installer/engine/apps_entry.h"
#include "installer/engine/install_error_message.h"
#include "installer/engine/install_worker.h"
#include "installer/ui/install_progress.h"
#include "installer/ui/installer_ui.h"
#include "installer/ui/notification_popup.h"
#include "tests/support/headless_scene.h"
#include "tests/support/host_of.h"

namespace {

using pelsdk::platform::access_event;
using pelsdk::platform::scripted_window_host;
using pelsdk::ui::event_type;
using Lines = std::vector<std::string>;

// A plug-in file of the real size.
const std::vector<unsigned char> kPluginBytes(870400, 0xA5);

struct Version {
    std::wstring subkey, folder;
};
const Version kCC2015{L"13.5", L"C:\\AE15\\Plug-ins"};
const Version kCC2017{L"14.0", L"C:\\AE17\\Plug-ins"};
const Version kCC2018{L"15.0", L"C:\\AE18\\Plug-ins"};

std::wstring PluginFile(const Version& v) { return v.folder + L"\\Quintrel\\Velkor.aex"; }

// A machine with the plug-in embedded and the given After Effects versions installed.
class RunScene : public HeadlessScene {
public:
    explicit RunScene(const std::vector<Version>& versions) {
        machine.resources.add_rcdata(kPluginResourceId, kPluginBytes);
        for (const Version& v : versions) {
            machine.keys.set_value(L"SOFTWARE\\Adobe\\After Effects\\" + v.subkey,
                                   L"PluginInstallPath", v.folder);
            MakeFolder(v.folder);
        }
    }
    ~RunScene() { scripted_window_host::on_modal_loop = nullptr; }

    // A plug-in folder that is a file: the maker folder cannot be made inside it.
    void Block(const Version& v, bool blocked) {
        std::filesystem::remove_all(machine.files.host_path(v.folder));
        if (blocked) {
            WriteFile(v.folder, "not a folder");
        } else {
            MakeFolder(v.folder);
        }
    }
};

// The installer window's one 200 ms timer, by the id its host was given.
uint32_t InstallTimer(InstallerUI& ui) {
    uint32_t found = 0, count = 0;
    for (const auto& [id, interval] : HostOf(ui).timers) {
        if (interval == 200) found = id, ++count;
    }
    EXPECT_EQ(count, 1u);
    return found;
}

// Ticks back to back until the run is over for good, so that ticks copy the statuses while the
// worker writes them.
void TickUntilFinished(InstallerUI& ui) {
    const uint32_t timer = InstallTimer(ui);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!ui.installFinished && std::chrono::steady_clock::now() < deadline) {
        ui.on_timer(timer);
        std::this_thread::yield();
    }
    ASSERT_TRUE(ui.installFinished);
}

constexpr uint64_t kEnter = 13, kEscape = 27;

TEST(InstallRun, WholeRunsEndWithTheirOutcome) {
    const std::string failure =
        "The installation of Velkor Plug-in for After Effects CC2018 failed!\n\n" +
        InstallErrorMessage(40) +
        "\n\nPlease contact support if you continue to have trouble.\n\nDo you want to retry?";
    const std::string plain = "Velkor Plug-in for After Effects Installer";
    const std::string won = "Mission Success!";
    const std::string success = "Velkor Plug-in successfully installed.";
    const std::string partial = "Some components of Velkor Plug-in not correctly installed.";
    const std::string half = "50%  Complete (0.8MB of 1.7MB)";
    const std::vector<Version> two = {kCC2015, kCC2018}, three = {kCC2015, kCC2017, kCC2018};
    struct Case {
        const char* name;
        std::vector<Version> versions;
        std::vector<size_t> unselected, blocked;  // blocked until the user asks to retry
        bool selectCustom;                        // without choosing a folder
        std::deque<uint64_t> answers;  // keys sent to the failure popups, in turn
        std::string progressAtPopup;
        std::string title, intro;
        std::vector<std::string> lines;  // one per selected row, after the product; "": hidden
        std::string progress;
        size_t recorded;  // folders in the Apps & features entry
    };
    // clang-format off
    const Case cases[] = {
        {"retried once the folder is fixed", two, {}, {1}, false, {kEnter}, half, won, success,
         {"CC2015 installed.", "CC2018 installed."}, "100%  Complete (1.7MB of 1.7MB)", 2},
        {"retry declined", two, {}, {1}, false, {kEscape}, half, plain, partial,
         {"CC2015 installed.", "CC2018 not installed."}, "100%  Complete (0.8MB of 1.7MB)", 0},
        {"two failures around an unselected version: the last is named", three, {1}, {0, 2},
         false, {kEscape}, "0%  Complete (0.0MB of 1.7MB)", plain, partial,
         {"CC2015 not installed.", "CC2018 not installed."}, "100%  Complete (0.0MB of 1.7MB)", 0},
        {"custom ticked without a folder: no failure, yet not every row", {kCC2017}, {}, {}, true,
         {}, "", plain, success, {"CC2017 installed.", ""}, "100%  Complete (0.8MB of 0.8MB)", 1},
        {"nothing selected", {}, {}, {}, false, {}, "", won, success, {},
         "100%  Complete (0.0MB of 0.0MB)", 0},
    };
    // clang-format on
    // Until such a run is over, nothing of it is done.
    EXPECT_EQ(ProgressFraction({}, 0, false), 0.0f);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RunScene scene(c.versions);
        for (size_t v : c.blocked) scene.Block(c.versions[v], true);
        std::deque<uint64_t> answers = c.answers;
        InstallerUI* installer = nullptr;
        int popups = 0;
        scripted_window_host::on_modal_loop = [&](scripted_window_host& host) {
            auto& popup = dynamic_cast<NotificationPopup&>(*host.events);
            ++popups;
            EXPECT_EQ(host.title, "Failed to install");
            EXPECT_EQ((std::pair{popup.messageLabel.bounds.x, popup.messageLabel.bounds.y}),
                      std::pair(40, 64))
                << "inside the error popup's margins, below its picture by its gap";
            // A dialog that says its message as it opens.
            const auto dialog = host.events->accessibility().elements().front();
            EXPECT_EQ(dialog.role, pelsdk::platform::access_role::dialog);
            EXPECT_EQ(dialog.description, failure);
            EXPECT_EQ(host.told.back(), std::pair(access_event::dialog_opened, 0));
            EXPECT_EQ(installer->progressTextLabel.text, c.progressAtPopup);
            const uint64_t key = answers.empty() ? kEscape : answers.front();
            if (!answers.empty()) answers.pop_front();
            if (key == kEnter) {
                for (size_t v : c.blocked) scene.Block(c.versions[v], false);
            }
            host.loop_step = [&host, key] {
                host.events->on_input(pelsdk::platform::input::key_down, key, 0);
            };
        };
        {
            InstallerUI ui(scene.os);
            installer = &ui;
            for (size_t v : c.unselected) ui.versionEntries[v].selected = false;
            ui.versionEntries.back().selected = c.selectCustom;
            ui.SetPage(Versions);
            ui.SetPage(Installing);
            TickUntilFinished(ui);

            EXPECT_EQ(popups, int(c.answers.size()));
            EXPECT_EQ(ui.installingTitle.text, c.title);
            EXPECT_EQ(ui.installingIntro.text, c.intro);
            EXPECT_EQ(ui.progressTextLabel.text, c.progress);
            ASSERT_EQ(ui.resultLines.size(), c.lines.size());
            for (size_t k = 0; k < c.lines.size(); ++k) {
                const InstalledCheckbox& line = *ui.resultLines[k];
                EXPECT_EQ(line.shown, !c.lines[k].empty()) << k;
                if (!line.shown) continue;
                EXPECT_EQ(line.caption, "Velkor Plug-in for After Effects " + c.lines[k]);
                EXPECT_EQ(line.ticked, !c.lines[k].ends_with("not installed.")) << k;
            }
            // The tick handler is gone; the window's one timer keeps running without it.
            EXPECT_FALSE(
                pelsdk::ui::event_hub::instance().has_handler(&ui.root, event_type::timer));
            InstallTimer(ui);
        }
        // Only a successful end that wrote something records the install.
        EXPECT_EQ(RecordedFolders(scene.machine.keys).size(), c.recorded);
    }
}

// Closing hides the window at once; destroying the installer waits for the worker's last write.
TEST(InstallRun, ClosingMidRunLeavesEveryFileWritten) {
    const std::vector<Version> versions = {kCC2015, kCC2017, kCC2018};
    RunScene scene(versions);
    {
        InstallerUI ui(scene.os);
        ui.SetPage(Versions);
        ui.SetPage(Installing);
        HostOf(ui).show();
        EXPECT_FALSE(ui.on_close_request());
        EXPECT_FALSE(HostOf(ui).visible);
    }
    for (const Version& v : versions) EXPECT_TRUE(scene.ReadFile(PluginFile(v)) == kPluginBytes);
}

// The accessible tree below a window's client area, one element a line, indented by depth:
// role, name (long texts cut), value and states (Focusable, focused, Unavailable, Checked,
// Pressed, Read-only).
Lines Tree(pelsdk::platform::access_source& source) {
    using namespace pelsdk::platform;
    const std::vector<access_element> all = source.elements();
    Lines lines;
    const auto line_of = [](const access_element& e, size_t depth) {
        static const char* const roles[] = {"client", "dialog",       "group", "text", "link",
                                            "button", "check button", "scroll bar", "progress"};
        std::string name = e.name;
        std::replace(name.begin(), name.end(), '\n', ' ');
        std::string line = std::string(depth * 2, ' ') + roles[static_cast<int>(e.role)] + " \"" +
                           name.substr(0, 40) + (name.size() > 40 ? "...\"" : "\"");
        if (!e.value.empty()) line += " = " + e.value;
        const char flags[] = {'F', 'f', 'U', 'C', 'P', 'R'};
        std::string states;
        for (int bit = 0; bit < 6; ++bit) {
            if (e.states & (1u << bit)) states += flags[bit];
        }
        return states.empty() ? line : line + " [" + states + "]";
    };
    const auto visit = [&](const auto& self, int32_t id, size_t depth) -> void {
        const auto found =
            std::find_if(all.begin(), all.end(), [&](auto& e) { return e.id == id; });
        if (found == all.end()) return;
        if (depth > 0) lines.push_back(line_of(*found, depth - 1));
        for (int32_t child : found->children) self(self, child, depth + 1);
    };
    visit(visit, 0, 0);
    return lines;
}

// The element of a name; 0 when there is none.
int32_t ElementNamed(pelsdk::ui::window& w, const std::string& name) {
    for (const auto& e : w.accessibility().elements()) {
        if (e.name == name) return e.id;
    }
    return 0;
}

TEST(Accessibility, EveryPageIsReadAloudAndTheWizardGoesWithoutAPointer) {
    RunScene scene({kCC2015, kCC2017, kCC2018});
    InstallerUI ui(scene.os);
    pelsdk::platform::access_source& reader = ui.accessibility();
    const auto press = [&](const std::string& name) {
        EXPECT_TRUE(reader.do_default_action(ElementNamed(ui, name))) << name;
    };
    const auto& told = HostOf(ui).told;
    const auto toldTimes = [&](access_event event, int32_t id) {
        return std::count(told.begin(), told.end(), std::pair{event, id});
    };
    const std::string kLicense = "Quintrel Software License Agreement";
    // clang-format off
    EXPECT_EQ(Tree(reader), (Lines{
        "text \"Welcome to the Velkor Plug-in Installer ...\" [R]",
        "text \"This will install Velkor Plug-in 1.0.40 ...\" [R]",
        "text \"By installing you agree to the \" [R]", "link \"" + kLicense + "\" [F]",
        "text \"Version: 1.0.40 \" [R]", "link \"" + kLicense + "\" [F]",
        "button \"CANCEL\" [F]", "button \"BACK\" [U]", "button \"I AGREE\" [F]"}));
    // Found by position: a pixel of I AGREE, and none outside the client area.
    EXPECT_EQ(reader.element_at(899, 585), ElementNamed(ui, "I AGREE"));
    EXPECT_EQ(reader.element_at(-1, 585), -1);

    press(kLicense);
    EXPECT_EQ(Tree(reader), (Lines{
        "scroll bar \"\" = 0", "text \" QUINTREL SOFTWARE LICENSE AGREEMENT Vel...\" [R]",
        "  link \"quintrel.example/account\" = https://www.quintrel.example/account",
        "  link \"quintrel.example/velkor/support\" = https://www.quintrel.example/velkor/support",
        "  link \"community.quintrel.example\" = https://community.quintrel.example/",
        "  link \"licensing@quintrel.example\" = mailto:licensing@quintrel.example",
        "  link \"www.quintrel.example/velkor\" = https://www.quintrel.example/velkor",
        "button \"CANCEL\" [F]", "button \"BACK\" [F]", "button \"I AGREE\" [F]"}));
    // Each button leads where it says and the license returns where it came from; BACK, disabled
    // on Welcome, would not leave it were it clicked.
    const auto go = [&](const std::string& name, WizardPage expected) {
        press(name);
        EXPECT_EQ(ui.currentPage, expected) << name;
    };
    go("I AGREE", Welcome);
    ui.OnButtonClick({&ui.backButton, event_type::clicked, 2, 1, 0, 0});
    EXPECT_EQ(ui.currentPage, Welcome);
    go("I AGREE", Versions);
    ui.SetPage(License);
    go("BACK", Versions);
    go("BACK", Welcome);
    HostOf(ui).told.clear();
    go("I AGREE", Versions);
    ui.on_paint(0, 0, 1024, 610);
    EXPECT_EQ(toldTimes(access_event::reordered, 0), 1) << "the page switch, as painted";
    EXPECT_NE(ElementNamed(ui, "Select which versions of Adobe After Effects to install."), 0);
    // Unticked by its default action, as a click would: the version leaves the selection.
    press("CC2017");

    press("INSTALL");
    EXPECT_EQ(Tree(reader), (Lines{
        "text \"Velkor Plug-in for After Effects Install...\" [R]",
        "text \"Installing Velkor Plug-in for After Effe...\" [R]",
        "progress \"Installation progress\" = 0% [R]", "text \"Installing...\" [R]",
        "button \"CANCEL\" [F]", "button \"BACK\" [U]", "button \"INSTALLING...\" [fU]"}));
    HostOf(ui).told.clear();
    TickUntilFinished(ui);
    EXPECT_EQ(Tree(reader), (Lines{
        "text \"Mission Success!\" [R]", "text \"Velkor Plug-in successfully installed.\" [R]",
        "progress \"Installation progress\" = 100% [R]",
        "text \"100%  Complete (1.7MB of 1.7MB)\" [R]",
        "check button \"Velkor Plug-in for After Effects CC2015 ...\" = installed [CR]",
        "check button \"Velkor Plug-in for After Effects CC2018 ...\" = installed [CR]",
        "text \"Click Finish to close installer.\" [R]",
        "button \"CANCEL\" [U]", "button \"BACK\" [U]", "button \"FINISH\" [Ff]"}));
    // clang-format on
    EXPECT_NE(toldTimes(access_event::name_changed, ElementNamed(ui, "Mission Success!")), 0);
    const int32_t progress = ElementNamed(ui, "Installation progress");
    const auto noticesAtTheEnd = toldTimes(access_event::value_changed, progress);
    EXPECT_NE(noticesAtTheEnd, 0);
    ui.UpdateInstallProgress();
    EXPECT_EQ(toldTimes(access_event::value_changed, progress), noticesAtTheEnd)
        << "told when it moves, not on every tick";
    press("FINISH");
    EXPECT_EQ(ui.modal_result, 1);
}

}  // namespace
