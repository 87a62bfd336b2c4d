#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <thread>

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

VersionEntry Row(int32_t index, std::wstring folder, bool selected, int32_t status) {
    return {index, std::move(folder), L"", selected, status};
}

TEST(InstallProgress, FiguresAndFolderListFollowTheRows) {
    struct Case {
        const char* name;
        std::vector<VersionEntry> rows;
        bool finished;
        std::string progress;
        std::vector<std::wstring> folders;
    };
    const Case cases[] = {
        {"one selected, being written",
         {Row(10, L"C:\\A", true, 1), Row(11, L"", false, 0)},
         false,
         Progress("0", "0.0", "0.8"),
         {L"C:\\A", L""}},
        {"two selected, first installed",
         {Row(7, L"C:\\A", true, 2), Row(10, L"C:\\B", true, 1), Row(11, L"", false, 0)},
         false,
         Progress("50", "0.8", "1.7"),
         {L"", L"C:\\B", L""}},
        {"three selected, one installed",
         {Row(5, L"C:\\A", true, 0), Row(7, L"C:\\B", true, 2), Row(10, L"C:\\C", true, 40)},
         false,
         Progress("33", "0.8", "2.5"),
         {L"C:\\A", L"", L"C:\\C"}},
        {"three selected, two installed, one unselected",
         {Row(5, L"C:\\A", true, 2), Row(6, L"C:\\U", false, 0), Row(7, L"C:\\B", true, 2),
          Row(10, L"C:\\C", true, 0)},
         false,
         Progress("67", "1.7", "2.5"),
         {L"", L"", L"", L"C:\\C"}},
        {"one of eight installed: the half rounds up",
         {Row(0, L"C:\\0", true, 2), Row(1, L"C:\\1", true, 0), Row(2, L"C:\\2", true, 0),
          Row(3, L"C:\\3", true, 0), Row(4, L"C:\\4", true, 0), Row(5, L"C:\\5", true, 0),
          Row(6, L"C:\\6", true, 0), Row(7, L"C:\\7", true, 0)},
         false,
         Progress("13", "0.8", "6.6"),
         {L"", L"C:\\1", L"C:\\2", L"C:\\3", L"C:\\4", L"C:\\5", L"C:\\6", L"C:\\7"}},
        {"custom row without folder counts as selected but weighs nothing",
         {Row(10, L"C:\\A", true, 2), Row(11, L"", true, 0)},
         false,
         Progress("50", "0.8", "0.8"),
         {L"", L""}},
        {"custom row with a folder weighs a copy",
         {Row(10, L"C:\\A", true, 0), Row(11, L"D:\\Mine", true, 0)},
         false,
         Progress("0", "0.0", "1.7"),
         {L"C:\\A", L"D:\\Mine"}},
        {"finished with one of two failed",
         {Row(7, L"C:\\A", true, 2), Row(10, L"C:\\B", true, 40)},
         true,
         Progress("100", "0.8", "1.7"),
         {L"", L"C:\\B"}},
        {"nothing selected", {Row(11, L"", false, 0)}, false, Progress("0", "0.0", "0.0"), {L""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const uint32_t selected = CountSelected(c.rows);
        const float total = TotalMegabytes(c.rows);
        const float fraction = ProgressFraction(c.rows, selected, c.finished);
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

// What a label shows of the markup it was given.
std::string Shown(const std::string& markup) {
    return pelsdk::ui::parse_markup(markup, pelsdk::ui::text_run{}).text;
}

struct Version {
    std::wstring subkey;
    std::wstring folder;
};
const Version kCC2015{L"13.5", L"C:\\AE15\\Plug-ins"};
const Version kCC2017{L"14.0", L"C:\\AE17\\Plug-ins"};
const Version kCC2018{L"15.0", L"C:\\AE18\\Plug-ins"};

std::wstring PluginFile(const Version& version) {
    return version.folder + L"\\Quintrel\\Velkor.aex";
}

scripted_window_host& HostOf(pelsdk::ui::window& w) {
    return static_cast<scripted_window_host&>(w.host());
}

// A machine with the plug-in embedded and the given After Effects versions installed.
class RunScene : public HeadlessScene {
public:
    explicit RunScene(const std::vector<Version>& versions) {
        UseScriptedWindows();
        machine.resources.add_rcdata(kPluginResourceId, PluginBytes());
        for (const Version& version : versions) {
            machine.keys.set_value(L"SOFTWARE\\Adobe\\After Effects\\" + version.subkey,
                                   L"PluginInstallPath", version.folder);
            MakeFolder(version.folder);
        }
    }
    ~RunScene() { scripted_window_host::on_modal_loop = nullptr; }

    // The plug-in folder is a file: the maker folder cannot be made inside it.
    void Block(const Version& version) {
        std::filesystem::remove_all(machine.files.host_path(version.folder));
        WriteFile(version.folder, "not a folder");
    }
    void Unblock(const Version& version) {
        std::filesystem::remove(machine.files.host_path(version.folder));
        MakeFolder(version.folder);
    }
};

void EnterInstallingPage(InstallerUI& ui) {
    ui.SetPage(Versions);
    ui.SetPage(Installing);
}

// The one 200 ms timer of the installer window, by the id its host was given.
uint32_t InstallTimer(InstallerUI& ui) {
    uint32_t found = 0, count = 0;
    for (const auto& [id, interval] : HostOf(ui).timers) {
        if (interval == 200) found = id, ++count;
    }
    EXPECT_EQ(count, 1u);
    return found;
}

// Ticks the timer as the message loop would until the run is over for good.
void TickUntilFinished(InstallerUI& ui) {
    const uint32_t timer = InstallTimer(ui);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!ui.installFinished && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        ui.on_timer(timer);
    }
    ASSERT_TRUE(ui.installFinished);
}

bool SaysInstalled(const std::string& line) { return !line.ends_with(" not installed."); }

struct PopupSeen {
    std::string title;
    std::string message;
    bool errorMargins;
    std::string progress;  // the page's progress text behind the popup
};

bool HasErrorMargins(const pelsdk::ui::widget_style& look) {
    using pelsdk::ui::theme_key;
    const auto aliased = [&](const theme_key& key, const theme_key& target) {
        const auto found = look.aliases.find(key);
        return found != look.aliases.end() && found->second == target;
    };
    return aliased("message_popup_window_margins", "notifications_error_window_margins") &&
           aliased("message_popup_component_margins", "notifications_error_component_margins");
}

constexpr uint64_t kEnter = 13, kEscape = 27;

TEST(InstallRun, WholeRunsEndWithTheirOutcome) {
    const std::string failure =
        "The installation of Velkor Plug-in for After Effects CC2018 failed!\n\n"
        "Could not create the plugin file (Error code: 40).\n"
        " - Make sure that After Effects is closed\n - Make sure you have enough disk space.\n"
        " - Make sure you have administrative privileges.\n\n"
        "Please contact support if you continue to have trouble.\n\nDo you want to retry?";
    const std::string title = "Velkor Plug-in for After Effects Installer";
    const std::string success = "Velkor Plug-in successfully installed.";
    const std::string partial = "Some components of Velkor Plug-in not correctly installed.";
    const std::string line = "Velkor Plug-in for After Effects ";
    struct Case {
        const char* name;
        std::vector<Version> versions;
        bool selectCustom;  // without choosing a folder
        std::vector<size_t> blocked;  // versions whose plug-in folder is a file
        std::deque<uint64_t> answers;  // keys sent to the failure popups, in turn
        bool unblockOnRetry;
        size_t popups;
        std::string progressAtPopup;
        std::string title, intro;
        std::vector<std::string> lines;  // one per selected row; empty: hidden
        std::string progress;
        std::vector<int> writes;  // per version
    };
    const Case cases[] = {
        {"every version written", {kCC2015, kCC2018}, false, {}, {}, false, 0, "",
         "Mission Success!", success, {line + "CC2015 installed.", line + "CC2018 installed."},
         Progress("100", "1.7", "1.7"), {1, 1}},
        {"retry after the cause is gone rewrites only the failed version",
         {kCC2015, kCC2018}, false, {1}, {kEnter}, true, 1, Progress("50", "0.8", "1.7"),
         "Mission Success!", success,
         {line + "CC2015 installed.", line + "CC2018 installed."},
         Progress("100", "1.7", "1.7"), {1, 2}},
        {"retry declined", {kCC2015, kCC2018}, false, {1}, {kEscape}, false, 1,
         Progress("50", "0.8", "1.7"), title, partial,
         {line + "CC2015 installed.", line + "CC2018 not installed."},
         Progress("100", "0.8", "1.7"), {1, 1}},
        {"retry that fails again, then declined", {kCC2015, kCC2018}, false, {1},
         {kEnter, kEscape}, false, 2, Progress("50", "0.8", "1.7"), title, partial,
         {line + "CC2015 installed.", line + "CC2018 not installed."},
         Progress("100", "0.8", "1.7"), {1, 2}},
        {"two failures: the popup names the last", {kCC2015, kCC2017, kCC2018}, false, {0, 2},
         {kEscape}, false, 1, Progress("33", "0.8", "2.5"), title, partial,
         {line + "CC2015 not installed.", line + "CC2017 installed.",
          line + "CC2018 not installed."},
         Progress("100", "0.8", "2.5"), {1, 1, 1}},
        {"custom box ticked without a folder: nothing failed, yet not every row installed",
         {kCC2017}, true, {}, {}, false, 0, "", title, success, {line + "CC2017 installed.", ""},
         Progress("100", "0.8", "0.8"), {1}},
        {"nothing selected", {}, false, {}, {}, false, 0, "", "Mission Success!", success, {},
         Progress("100", "0.0", "0.0"), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RunScene scene(c.versions);
        for (size_t v : c.blocked) scene.Block(c.versions[v]);
        std::deque<uint64_t> answers = c.answers;
        std::vector<PopupSeen> popups;
        InstallerUI* installer = nullptr;
        scripted_window_host::on_modal_loop = [&](scripted_window_host& host) {
            auto& popup = dynamic_cast<NotificationPopup&>(*host.events);
            popups.push_back({host.title, popup.messageLabel.text,
                              HasErrorMargins(popup.root.style),
                              installer->progressTextLabel.text});
            const uint64_t key = answers.empty() ? kEscape : answers.front();
            if (!answers.empty()) answers.pop_front();
            if (key == kEnter && c.unblockOnRetry) {
                for (size_t v : c.blocked) scene.Unblock(c.versions[v]);
            }
            host.loop_step = [&host, key] {
                host.events->on_event(static_cast<uint32_t>(event_type::key_down), key, 0);
            };
        };
        {
            InstallerUI ui(scene.os);
            installer = &ui;
            ui.versionEntries.back().selected = c.selectCustom;
            EnterInstallingPage(ui);
            TickUntilFinished(ui);

            ASSERT_EQ(popups.size(), c.popups);
            for (const PopupSeen& seen : popups) {
                EXPECT_EQ(seen.title, "Failed to install");
                EXPECT_EQ(seen.message, failure);
                EXPECT_TRUE(seen.errorMargins);
                EXPECT_EQ(seen.progress, Shown(c.progressAtPopup));
            }
            EXPECT_EQ(ui.installingTitle.text, c.title);
            EXPECT_EQ(ui.installingIntro.text, c.intro);
            EXPECT_EQ(ui.progressTextLabel.text, Shown(c.progress));
            EXPECT_EQ(ui.progressBar.value, 1.0f);
            ASSERT_EQ(ui.resultLines.size(), c.lines.size());
            for (size_t k = 0; k < c.lines.size(); ++k) {
                const InstalledCheckbox& shown = *ui.resultLines[k];
                EXPECT_EQ(shown.shown, !c.lines[k].empty()) << k;
                if (!shown.shown) continue;
                EXPECT_EQ(shown.caption, c.lines[k]);
                EXPECT_EQ(shown.ticked, SaysInstalled(c.lines[k])) << k;
            }
            EXPECT_FALSE(ui.installingLabel.shown);
            EXPECT_TRUE(ui.clickFinishLabel.shown);
            EXPECT_EQ(ui.nextButton.caption, "FINISH");
            EXPECT_TRUE(ui.nextButton.is_enabled());
            EXPECT_FALSE(ui.backButton.is_enabled());
            EXPECT_FALSE(ui.cancelButton.is_enabled());
            // The tick handler is gone; the window's one timer keeps running without it.
            EXPECT_FALSE(pelsdk::ui::event_hub::instance().has_handler(&ui.root, event_type::timer));
            InstallTimer(ui);
        }
        for (size_t v = 0; v < c.versions.size(); ++v) {
            const std::wstring file = PluginFile(c.versions[v]);
            EXPECT_EQ(scene.machine.files.write_attempts(file), c.writes[v]) << v;
            if (SaysInstalled(c.lines[v])) {
                EXPECT_TRUE(scene.ReadFile(file) == PluginBytes()) << v;
            }
        }
    }
}

// Mid-run ticks: a line appears once its row's outcome is known and keeps it until a new one.
TEST(InstallRun, ResultLinesFollowTheSelectedRowsInListOrder) {
    RunScene scene({kCC2015, kCC2017, kCC2018});
    InstallerUI ui(scene.os);
    ui.versionEntries[1].selected = false;
    ui.BuildInstallingPage();
    ui.selectedCount = CountSelected(ui.versionEntries);
    ui.totalMegabytes = TotalMegabytes(ui.versionEntries);
    const std::string first = "Velkor Plug-in for After Effects CC2015";
    const std::string last = "Velkor Plug-in for After Effects CC2018";
    struct Case {
        std::vector<int32_t> statuses;  // of CC2015, CC2017 (not selected), CC2018
        float bar;
        std::string progress;
        std::vector<std::string> lines;  // empty: hidden
    };
    const Case cases[] = {
        {{1, 0, 0}, 0.0f, Progress("0", "0.0", "1.7"), {"", ""}},
        {{2, 0, 1}, 0.5f, Progress("50", "0.8", "1.7"), {first + " installed.", ""}},
        {{2, 0, 40}, 0.5f, Progress("50", "0.8", "1.7"),
         {first + " installed.", last + " not installed."}},
        // A retry is writing the failed row again.
        {{2, 0, 1}, 0.5f, Progress("50", "0.8", "1.7"),
         {first + " installed.", last + " not installed."}},
        {{2, 0, 2}, 1.0f, Progress("100", "1.7", "1.7"),
         {first + " installed.", last + " installed."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.progress);
        for (size_t i = 0; i < c.statuses.size(); ++i) ui.versionEntries[i].status = c.statuses[i];
        ui.UpdateInstallProgress();
        EXPECT_EQ(ui.progressBar.value, c.bar);
        EXPECT_EQ(ui.progressTextLabel.text, Shown(c.progress));
        EXPECT_TRUE(ui.progressTextLabel.rich);
        for (size_t k = 0; k < c.lines.size(); ++k) {
            const InstalledCheckbox& shown = *ui.resultLines[k];
            EXPECT_EQ(shown.shown, !c.lines[k].empty()) << k;
            if (!shown.shown) continue;
            EXPECT_EQ(shown.caption, c.lines[k]) << k;
            EXPECT_EQ(shown.ticked, SaysInstalled(c.lines[k])) << k;
        }
        // Not finished: the running look stays, whatever the rows say.
        EXPECT_TRUE(ui.installingLabel.shown);
        EXPECT_FALSE(ui.clickFinishLabel.shown);
        EXPECT_EQ(ui.installingTitle.text, "Velkor Plug-in for After Effects Installer");
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
        EXPECT_FALSE(ui.nextButton.is_enabled());
        EXPECT_FALSE(ui.backButton.is_enabled());
        EXPECT_TRUE(ui.cancelButton.is_enabled());
        HostOf(ui).show();
        EXPECT_FALSE(ui.on_close_request());
        EXPECT_FALSE(HostOf(ui).visible);
    }
    for (const Version& version : versions) {
        EXPECT_TRUE(scene.ReadFile(PluginFile(version)) == PluginBytes());
    }
    EXPECT_TRUE(scene.IsFolder(L"C:\\ProgramData\\Quintrel"));
}

}  // namespace
