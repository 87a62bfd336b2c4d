#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <deque>
#include <thread>

#include "installer/engine/apps_entry.h"
#include "installer/engine/install_worker.h"
#include "installer/ui/install_progress.h"
#include "installer/ui/installer_ui.h"
#include "installer/ui/notification_popup.h"
#include "tests/support/headless_scene.h"
#include "tests/support/scripted_windows.h"
#include "ui/widgets/markup_parser.h"

namespace {

using pelsdk::platform::scripted_window_host;
using pelsdk::ui::event_type;

std::string Progress(const std::string& percent, const std::string& done,
                     const std::string& total) {
    return "<html><body><font color = \"#1b6936\">" + percent + "% </font> Complete (" + done +
           "MB of " + total + "MB)</body></html>";
}

// Rows of folder C:\<index>; selected unless the status is negative, which stands for 0.
std::vector<VersionEntry> Rows(std::vector<int32_t> statuses, std::wstring customFolder = L"") {
    std::vector<VersionEntry> rows;
    for (size_t i = 0; i < statuses.size(); ++i) {
        const int32_t s = statuses[i];
        rows.push_back({int32_t(i), L"C:\\" + std::to_wstring(i), L"", s >= 0, s < 0 ? 0 : s});
    }
    rows.push_back({kCustomVersionIndex, customFolder, L"", !customFolder.empty(), 0});
    return rows;
}

TEST(InstallProgress, FiguresAndFolderListFollowTheRows) {
    std::vector<VersionEntry> customWithoutFolder = Rows({2});
    customWithoutFolder.back().selected = true;
    struct Case {
        std::vector<VersionEntry> rows;
        bool finished;
        std::string progress;
        std::vector<std::wstring> folders;
    };
    // clang-format off
    const Case cases[] = {
        {Rows({2, 1}), false, Progress("50", "0.8", "1.7"), {L"", L"C:\\1", L""}},
        {Rows({0, 2, 40}), false, Progress("33", "0.8", "2.5"), {L"C:\\0", L"", L"C:\\2", L""}},
        {Rows({2, -1, 2, 0}), false, Progress("67", "1.7", "2.5"), {L"", L"", L"", L"C:\\3", L""}},
        // 12.5 rounds away from zero.
        {Rows({2, 0, 0, 0, 0, 0, 0, 0}), false, Progress("13", "0.8", "6.6"),
         {L"", L"C:\\1", L"C:\\2", L"C:\\3", L"C:\\4", L"C:\\5", L"C:\\6", L"C:\\7", L""}},
        // Counted as selected, but it has nothing to write.
        {customWithoutFolder, false, Progress("50", "0.8", "0.8"), {L"", L""}},
        {Rows({0}, L"D:\\Mine"), false, Progress("0", "0.0", "1.7"), {L"C:\\0", L"D:\\Mine"}},
        {Rows({2, 40}), true, Progress("100", "0.8", "1.7"), {L"", L"C:\\1", L""}},
        {Rows({}), false, Progress("0", "0.0", "0.0"), {L""}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.progress);
        const float total = TotalMegabytes(c.rows);
        const float fraction = ProgressFraction(c.rows, CountSelected(c.rows), c.finished);
        EXPECT_EQ(ProgressMarkup(fraction, total - RemainingMegabytes(c.rows), total), c.progress);
        EXPECT_EQ(FoldersToWrite(c.rows), c.folders);
    }
}

// A recognisable plug-in file of the real size.
const std::vector<unsigned char>& PluginBytes() {
    static const std::vector<unsigned char> bytes = [] {
        std::vector<unsigned char> made(870400);
        for (size_t i = 0; i < made.size(); ++i) made[i] = static_cast<unsigned char>(i * 7 % 251);
        return made;
    }();
    return bytes;
}

struct Version {
    std::wstring subkey, folder;
};
const Version kCC2015{L"13.5", L"C:\\AE15\\Plug-ins"};
const Version kCC2017{L"14.0", L"C:\\AE17\\Plug-ins"};
const Version kCC2018{L"15.0", L"C:\\AE18\\Plug-ins"};

std::wstring PluginFile(const Version& v) { return v.folder + L"\\Quintrel\\Velkor.aex"; }

scripted_window_host& HostOf(pelsdk::ui::window& w) {
    return static_cast<scripted_window_host&>(w.host());
}

// A machine with the plug-in embedded and the given After Effects versions installed.
class RunScene : public HeadlessScene {
public:
    explicit RunScene(const std::vector<Version>& versions) {
        machine.resources.add_rcdata(kPluginResourceId, PluginBytes());
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

void EnterInstallingPage(InstallerUI& ui) {
    ui.SetPage(Versions);
    ui.SetPage(Installing);
}

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

bool HasErrorMargins(const pelsdk::ui::widget_style& look) {
    using pelsdk::ui::theme_key;
    const auto aliased = [&](const theme_key& key, const theme_key& target) {
        const auto found = look.aliases.find(key);
        return found != look.aliases.end() && found->second == target;
    };
    return aliased("message_popup_window_margins", "notifications_error_window_margins") &&
           aliased("message_popup_component_margins", "notifications_error_component_margins");
}

// What a label shows of the markup it was given.
std::string Shown(const std::string& markup) {
    return pelsdk::ui::parse_markup(markup, pelsdk::ui::text_run{}).text;
}

constexpr uint64_t kEnter = 13, kEscape = 27;

TEST(InstallRun, WholeRunsEndWithTheirOutcome) {
    const std::string failure =
        "The installation of Velkor Plug-in for After Effects CC2018 failed!\n\n"
        "Could not create the plugin file (Error code: 40).\n"
        " - Make sure that After Effects is closed\n - Make sure you have enough disk space.\n"
        " - Make sure you have administrative privileges.\n\n"
        "Please contact support if you continue to have trouble.\n\nDo you want to retry?";
    const std::string plain = "Velkor Plug-in for After Effects Installer",
                      won = "Mission Success!";
    const std::string success = "Velkor Plug-in successfully installed.";
    const std::string partial = "Some components of Velkor Plug-in not correctly installed.";
    const std::string ok15 = "Velkor Plug-in for After Effects CC2015 installed.";
    const std::string ok17 = "Velkor Plug-in for After Effects CC2017 installed.";
    const std::string ok18 = "Velkor Plug-in for After Effects CC2018 installed.";
    const std::string failed15 = "Velkor Plug-in for After Effects CC2015 not installed.";
    const std::string failed18 = "Velkor Plug-in for After Effects CC2018 not installed.";
    const std::vector<Version> two = {kCC2015, kCC2018}, three = {kCC2015, kCC2017, kCC2018};
    struct Case {
        const char* name;
        std::vector<Version> versions;
        std::vector<size_t> unselected, blocked;
        bool selectCustom;             // without choosing a folder
        std::deque<uint64_t> answers;  // keys sent to the failure popups, in turn
        bool unblockOnRetry;
        std::string progressAtPopup;  // empty: no popup
        std::string title, intro;
        std::vector<std::string> lines;  // one per selected row; empty: hidden
        std::string progress;
        std::vector<int> writes;  // per version
        size_t recorded;          // folders in the Apps & features entry; 0: no entry
    };
    // clang-format off
    const Case cases[] = {
        {"all written", two, {}, {}, false, {}, false, "", won, success, {ok15, ok18},
         Progress("100", "1.7", "1.7"), {1, 1}, 2},
        {"retry rewrites only the failed version", two, {}, {1}, false, {kEnter}, true,
         Progress("50", "0.8", "1.7"), won, success, {ok15, ok18}, Progress("100", "1.7", "1.7"),
         {1, 2}, 2},
        {"retry declined", two, {}, {1}, false, {kEscape}, false, Progress("50", "0.8", "1.7"),
         plain, partial, {ok15, failed18}, Progress("100", "0.8", "1.7"), {1, 1}, 0},
        {"retry fails again, then declined", two, {}, {1}, false, {kEnter, kEscape}, false,
         Progress("50", "0.8", "1.7"), plain, partial, {ok15, failed18},
         Progress("100", "0.8", "1.7"), {1, 2}, 0},
        {"two failures around an unselected version: the last is named", three, {1}, {0, 2},
         false, {kEscape}, false, Progress("0", "0.0", "1.7"), plain, partial,
         {failed15, failed18}, Progress("100", "0.0", "1.7"), {1, 0, 1}, 0},
        {"custom ticked without a folder: no failure, yet not every row", {kCC2017}, {}, {}, true,
         {}, false, "", plain, success, {ok17, ""}, Progress("100", "0.8", "0.8"), {1}, 1},
        {"nothing selected", {}, {}, {}, false, {}, false, "", won, success, {},
         Progress("100", "0.0", "0.0"), {}, 0},
    };
    // clang-format on
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
            EXPECT_EQ(popup.messageLabel.text, failure);
            EXPECT_TRUE(HasErrorMargins(popup.root.style));
            EXPECT_EQ(installer->progressTextLabel.text, Shown(c.progressAtPopup));
            const uint64_t key = answers.empty() ? kEscape : answers.front();
            if (!answers.empty()) answers.pop_front();
            if (key == kEnter && c.unblockOnRetry) {
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
            EnterInstallingPage(ui);
            TickUntilFinished(ui);

            EXPECT_EQ(popups, c.progressAtPopup.empty() ? 0 : int(c.answers.size()));
            EXPECT_EQ(ui.installingTitle.text, c.title);
            EXPECT_EQ(ui.installingIntro.text, c.intro);
            EXPECT_EQ(ui.progressTextLabel.text, Shown(c.progress));
            EXPECT_EQ(ui.progressBar.value, 1.0f);
            ASSERT_EQ(ui.resultLines.size(), c.lines.size());
            for (size_t k = 0; k < c.lines.size(); ++k) {
                const InstalledCheckbox& line = *ui.resultLines[k];
                EXPECT_EQ(line.shown, !c.lines[k].empty()) << k;
                if (!line.shown) continue;
                EXPECT_EQ(line.caption, c.lines[k]);
                EXPECT_EQ(line.ticked, !c.lines[k].ends_with("not installed.")) << k;
            }
            EXPECT_FALSE(ui.installingLabel.shown);
            EXPECT_TRUE(ui.clickFinishLabel.shown);
            EXPECT_EQ(ui.nextButton.caption, "FINISH");
            EXPECT_TRUE(ui.nextButton.is_enabled());
            EXPECT_FALSE(ui.backButton.is_enabled() || ui.cancelButton.is_enabled());
            // The tick handler is gone; the window's one timer keeps running without it.
            EXPECT_FALSE(
                pelsdk::ui::event_hub::instance().has_handler(&ui.root, event_type::timer));
            InstallTimer(ui);
        }
        // Only a successful end that wrote something records the install.
        EXPECT_EQ(RecordedFolders(scene.machine.keys).size(), c.recorded);
        EXPECT_EQ(scene.machine.keys.has_key(kUninstallEntryKey), c.recorded != 0);
        for (size_t v = 0; v < c.versions.size(); ++v) {
            const std::wstring file = PluginFile(c.versions[v]);
            EXPECT_EQ(scene.machine.files.writes_in(c.versions[v].folder + L"\\Quintrel"),
                      c.writes[v])
                << v;
            const bool blocked = std::count(c.blocked.begin(), c.blocked.end(), v) != 0;
            if (c.writes[v] != 0 && (!blocked || c.unblockOnRetry)) {
                EXPECT_TRUE(scene.ReadFile(file) == PluginBytes()) << v;
            }
        }
    }
}

// Closing hides the window at once; destroying the installer waits for the worker's last write.
TEST(InstallRun, ClosingMidRunLeavesEveryFileWritten) {
    const std::vector<Version> versions = {kCC2015, kCC2017, kCC2018};
    RunScene scene(versions);
    {
        InstallerUI ui(scene.os);
        EnterInstallingPage(ui);
        // While the run lasts only CANCEL can be pressed.
        EXPECT_EQ(ui.nextButton.caption, "INSTALLING...");
        EXPECT_FALSE(ui.nextButton.is_enabled() || ui.backButton.is_enabled());
        EXPECT_TRUE(ui.cancelButton.is_enabled());
        HostOf(ui).show();
        EXPECT_FALSE(ui.on_close_request());
        EXPECT_FALSE(HostOf(ui).visible);
    }
    for (const Version& v : versions) EXPECT_TRUE(scene.ReadFile(PluginFile(v)) == PluginBytes());
    EXPECT_TRUE(scene.IsFolder(L"C:\\ProgramData\\Quintrel"));
}

}  // namespace
