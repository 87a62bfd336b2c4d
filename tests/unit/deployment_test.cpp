// Deployment runs on the simulated machine, started through the entry point as a deployment tool
// or Apps & features starts the program: silent installs and removals, their log and exit codes,
// the Apps & features entry, and the removal's popups.
#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "installer/engine/apps_entry.h"
#include "installer/engine/install_worker.h"
#include "installer/engine/path_helpers.h"
#include "installer/engine/single_instance.h"
#include "installer/ui/entry_point.h"
#include "installer/ui/notification_popup.h"
#include "tests/support/headless_scene.h"

namespace {

using pelsdk::platform::access_event;
using pelsdk::platform::registry_value;
using pelsdk::platform::scripted_window_host;

const std::wstring kAE15 = L"C:\\AE15\\Plug-ins", kAE17 = L"C:\\AE17\\Plug-ins",
                   kAE18 = L"C:\\AE18\\Plug-ins";
const std::wstring kCopy = L"C:\\Program Files\\Quintrel\\Velkor\\VelkorInstaller.exe";
constexpr uint64_t kEnter = 13, kEscape = 27;

std::wstring PluginIn(const std::wstring& folder) { return folder + L"\\Quintrel\\Velkor.aex"; }

class DeploymentScene : public HeadlessScene {
public:
    DeploymentScene() {
        plugin.assign(870400, 'v');
        machine.resources.add_rcdata(kPluginResourceId, plugin);
        machine.files.add_drive(L'D');
    }
    ~DeploymentScene() { scripted_window_host::on_modal_loop = nullptr; }

    void RegisterVersions() {
        for (const auto& [subkey, folder] : {std::pair{L"13.5", kAE15}, std::pair{L"14.0", kAE17},
                                             std::pair{L"15.0", kAE18}}) {
            machine.keys.set_value(std::wstring(L"SOFTWARE\\Adobe\\After Effects\\") + subkey,
                                   L"PluginInstallPath", folder);
            MakeFolder(folder);
        }
    }
    // One start of the program, as a process of its own: the last one's installer name is free.
    int Start(const std::wstring& line) {
        machine.locks.held.clear();
        return InstallerMain(line, os);
    }
    // The plug-in installed earlier, held open by a running After Effects.
    void Hold(const std::wstring& folder) {
        WriteFile(PluginIn(folder), std::string(plugin.begin(), plugin.end()));
        machine.files.hold_open(PluginIn(folder));
    }
    bool Holds(const std::wstring& folder) const { return ReadFile(PluginIn(folder)) == plugin; }
    bool Exists(const std::wstring& path) const {
        return std::filesystem::exists(machine.files.host_path(path));
    }
    std::string Text(const std::wstring& file) const {
        const std::vector<unsigned char> bytes = ReadFile(file);
        return {bytes.begin(), bytes.end()};
    }
    // Answers the popups in turn with these keys (Escape once they run out), keeping their
    // titles and messages.
    void Answer(std::deque<uint64_t> keys) {
        answers = std::move(keys);
        scripted_window_host::on_modal_loop = [this](scripted_window_host& host) {
            asked.push_back(host.title);
            EXPECT_EQ(host.told.back(), std::pair(access_event::dialog_opened, 0)) << host.title;
            messages.push_back(dynamic_cast<NotificationPopup&>(*host.events).messageLabel.text);
            const uint64_t key = answers.empty() ? kEscape : answers.front();
            if (!answers.empty()) answers.pop_front();
            host.loop_step = [&host, key] {
                host.events->on_input(pelsdk::platform::input::key_down, key, 0);
            };
        };
    }

    std::vector<unsigned char> plugin;
    std::deque<uint64_t> answers;
    std::vector<std::string> asked, messages;
};

// Each part is found in a line of the text, in this order.
void ExpectInOrder(const std::string& text, const std::vector<std::string>& parts) {
    size_t from = 0;
    for (const std::string& part : parts) {
        const size_t found = text.find(part, from);
        ASSERT_NE(found, std::string::npos) << "missing: " << part << "\nin:\n" << text;
        from = found + part.size();
    }
}

TEST(SilentInstall, RunsEndWithTheirCodeTheirFilesAndTheirLog) {
    const std::wstring defaultLog = L"C:\\Temp\\VelkorInstaller.log";
    struct Case {
        const char* name;
        std::wstring line;
        bool versions;
        std::function<void(DeploymentScene&)> arrange;
        int code;
        std::vector<std::wstring> written;
        std::vector<std::string> logged;
        std::wstring log = L"C:\\Temp\\VelkorInstaller.log";
    };
    const auto nothing = [](DeploymentScene&) {};
    // clang-format off
    const Case cases[] = {
        {"every version found", L"/S", true, nothing, 0, {kAE15, kAE17, kAE18},
         {"VelkorInstaller.exe " VELKOR_VERSION " started: /S",
          "Found After Effects CC2015, plug-in folder C:\\AE15\\Plug-ins",
          "Found After Effects CC2018, plug-in folder C:\\AE18\\Plug-ins",
          "Selected: CC2015, CC2017, CC2018", "CC2015 (C:\\AE15\\Plug-ins): installed",
          "CC2018 (C:\\AE18\\Plug-ins): installed", "Recorded in Apps & features",
          "Every selected target installed; exit code 0"}},
        {"narrowed, with a custom folder", L"/UAC /s /VERSIONS=cc2017 /FOLDER=D:\\Mine", true,
         [](DeploymentScene& s) { s.MakeFolder(L"D:\\Mine"); }, 0, {kAE17, L"D:\\Mine"},
         {"Selected: CC2017, D:\\Mine", "D:\\Mine (D:\\Mine): installed"}},
        {"one read-only target", L"/S", true,
         [](DeploymentScene& s) {
             s.MakeFolder(kAE17 + L"\\Quintrel");
             s.machine.files.make_read_only(kAE17 + L"\\Quintrel");
         },
         1603, {kAE15, kAE18},
         {"CC2017 (C:\\AE17\\Plug-ins): not installed, status 40: Could not create the plugin "
          "file (Error code: 40). Windows error 5: system message 5.",
          "One or more targets failed; exit code 1603"}},
        {"nothing found", L"/S", false, nothing, 1168, {},
         {"Found no After Effects version", "nothing to install into; exit code 1168"}},
        {"nothing found, a missing custom folder", L"/S /FOLDER=C:\\Mine", false, nothing, 1603,
         {}, {"C:\\Mine (C:\\Mine): not installed, status 40", "Windows error 3"}},
        {"a version not found here", L"/S /VERSIONS=CC2017,CC2019", true, nothing, 87, {},
         {"Refused: /VERSIONS names CC2019, which is not an After Effects version found here "
          "(found: CC2015, CC2017, CC2018); exit code 87"}},
        {"not elevated", L"/S", true,
         [](DeploymentScene& s) { s.machine.info.elevated = false; }, 740, {},
         {"administrator rights", "exit code 740"}},
        {"another installer running", L"/S", true,
         [](DeploymentScene& s) { s.machine.locks.held.insert(kInstallerInstanceName); }, 1618, {},
         {"Another VelkorInstaller.exe is running", "exit code 1618"}},
        {"a removal, the plug-in held by After Effects", L"/S /UNINSTALL", true,
         [](DeploymentScene& s) { s.Hold(kAE17); }, 1603, {kAE17},
         {"To remove from CC2017: C:\\AE17\\Plug-ins\\Quintrel\\Velkor.aex",
          "CC2017: not removed, Windows error 32", "One or more targets failed; exit code 1603"}},
        {"the Apps & features entry refused", L"/S", true,
         [](DeploymentScene& s) { s.machine.keys.refuse_writes = true; }, 1603,
         {kAE15, kAE17, kAE18},
         {"Failed writing the Apps & features entry, Windows error 5",
          "Installed, but not recorded for Apps & features; exit code 1603"}},
        {"a removal whose entry cannot be deleted", L"/S /UNINSTALL", true,
         [](DeploymentScene& s) { s.machine.keys.refuse_writes = true; }, 1603, {},
         {"Failed deleting the Apps & features entry, Windows error 5",
          "Removal incomplete; exit code 1603"}},
        {"an unknown switch: the reason in the named log",
         L"/S /Bogus \"/LOG=C:\\My Logs\\v.log\"", true, nothing, 87, {},
         {"started: /S /Bogus", "Refused: unknown switch: /Bogus; nothing written; exit code 87"},
         L"C:\\My Logs\\v.log"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeploymentScene scene;
        if (c.versions) scene.RegisterVersions();
        c.arrange(scene);
        EXPECT_EQ(InstallerMain(c.line, scene.os), c.code);

        for (const std::wstring& folder : {kAE15, kAE17, kAE18, std::wstring(L"D:\\Mine")}) {
            const bool expected = std::count(c.written.begin(), c.written.end(), folder) != 0;
            EXPECT_EQ(scene.Holds(folder), expected) << WideToUtf8(folder);
            // No partial file anywhere.
            EXPECT_FALSE(scene.Exists(PluginIn(folder) + L".partial"));
        }
        EXPECT_EQ(scene.machine.keys.has_key(kUninstallEntryKey), c.code == 0);
        const std::string log = scene.Text(c.log);
        ExpectInOrder(log, c.logged);
        // Every line is stamped, and the console shows the same lines.
        std::string printed;
        for (const std::string& line : scene.machine.terminal.lines) printed += line + "\r\n";
        EXPECT_EQ(printed, log);
        EXPECT_EQ(log.rfind("2026-03-09 14:05:07.042  ", 0), 0u);
        if (c.log != defaultLog) {
            EXPECT_FALSE(scene.Exists(defaultLog));
        }
    }
}

TEST(AppsEntry, RecordsTheInstallAndGoesWithTheLastCopy) {
    DeploymentScene scene;
    scene.RegisterVersions();
    scene.MakeFolder(L"D:\\Mine");
    ASSERT_EQ(scene.Start(L"/S /VERSIONS=CC2015,CC2018 /FOLDER=D:\\Mine"), 0);

    const std::vector<std::wstring> folders = {kAE15, kAE18, L"D:\\Mine"};
    // Three plug-ins and the 16-byte copy of the installer, in kilobytes rounded up.
    const uint32_t kilobytes = (870400 * 3 + 16 + 1023) / 1024;
    const std::vector<registry_value> expected = {
        {L"DisplayName", std::wstring(L"" VELKOR_PRODUCT)},
        {L"DisplayVersion", std::wstring(L"" VELKOR_VERSION)},
        {L"Publisher", std::wstring(L"" VELKOR_MAKER_LEGAL)},
        {L"DisplayIcon", kCopy + L",0"},
        {L"InstallLocation", std::wstring(L"C:\\Program Files\\Quintrel\\Velkor")},
        {L"UninstallString", L"\"" + kCopy + L"\" /UNINSTALL"},
        {L"QuietUninstallString", L"\"" + kCopy + L"\" /S /UNINSTALL"},
        {L"NoModify", uint32_t{1}},
        {L"NoRepair", uint32_t{1}},
        {L"EstimatedSize", kilobytes},
        {L"InstallDate", std::wstring(L"20260309")},
        {L"PluginFolders", folders},
    };
    for (const registry_value& value : expected) {
        EXPECT_EQ(scene.machine.keys.value_of(kUninstallEntryKey, value.name), value)
            << WideToUtf8(value.name);
    }
    EXPECT_EQ(scene.Text(kCopy), "MZ the installer");

    // A removal narrowed to one version leaves the entry to the folders that still hold a copy.
    scene.WriteFile(kAE17 + L"\\Quintrel\\Other.aex", "another plug-in of the maker's");
    ASSERT_EQ(scene.Start(L"/S /UNINSTALL /VERSIONS=CC2015"), 0);
    EXPECT_FALSE(scene.Exists(PluginIn(kAE15)));
    EXPECT_TRUE(scene.Holds(kAE18) && scene.Holds(L"D:\\Mine"));
    EXPECT_TRUE(scene.machine.keys.has_key(kUninstallEntryKey));

    // Apps & features runs the copy: the recorded custom folder is cleared too, and the copy,
    // which cannot delete itself, goes when Windows next starts.
    scene.machine.info.program = kCopy;
    EXPECT_EQ(scene.Start(L"\"/S\" /UNINSTALL"), 0);
    for (const std::wstring& folder : folders) {
        EXPECT_FALSE(scene.Exists(PluginIn(folder)));
        EXPECT_FALSE(scene.Exists(folder + L"\\Quintrel"));
    }
    EXPECT_TRUE(scene.Exists(kAE17 + L"\\Quintrel\\Other.aex"));
    EXPECT_FALSE(scene.machine.keys.has_key(kUninstallEntryKey));
    EXPECT_EQ(scene.machine.files.restart_deletions,
              (std::vector<std::wstring>{kCopy, L"C:\\Program Files\\Quintrel\\Velkor",
                                         L"C:\\Program Files\\Quintrel"}));

    // Removed by the downloaded installer, the copy and its emptied folders go at once.
    scene.machine.info.program = L"C:\\Downloads\\VelkorInstaller.exe";
    ASSERT_EQ(scene.Start(L"/S /VERSIONS=CC2015"), 0);
    scene.machine.terminal.lines.clear();
    ASSERT_EQ(scene.Start(L"/S /UNINSTALL"), 0);
    EXPECT_FALSE(scene.Exists(L"C:\\Program Files\\Quintrel"));
    std::string printed;
    for (const std::string& line : scene.machine.terminal.lines) printed += line + "\n";
    ExpectInOrder(printed, {"Apps & features entry and the installer's copy removed",
                            "Removal done; exit code 0"});

    // A later install records its folders, then the earlier ones that still hold the plug-in.
    const auto recorded = [&] {
        return scene.machine.keys.value_of(kUninstallEntryKey, L"PluginFolders");
    };
    ASSERT_EQ(scene.Start(L"/S /VERSIONS=CC2017"), 0);
    ASSERT_EQ(scene.Start(L"/S /VERSIONS=CC2015,CC2017"), 0);
    EXPECT_EQ(recorded(), (registry_value{L"PluginFolders", std::vector{kAE15, kAE17}}));
    std::filesystem::remove(scene.machine.files.host_path(PluginIn(kAE15)));
    ASSERT_EQ(scene.Start(L"/S /VERSIONS=CC2018"), 0);
    EXPECT_EQ(recorded(), (registry_value{L"PluginFolders", std::vector{kAE18, kAE17}}));
}

TEST(InteractiveRemoval, AsksElevatesAndReportsWithThePopup) {
    struct Case {
        const char* name;
        std::wstring line;
        std::function<void(DeploymentScene&)> arrange;
        std::deque<uint64_t> keys;
        int code;
        std::vector<std::string> popups;  // the titles; the plug-in goes with exit code 0 only
        std::vector<std::wstring> launched = {};
        std::string lastMessage = "";  // of the last popup, where given
    };
    const auto elevatedTwinEnds = [](pelsdk::platform::twin_result twin) {
        return [twin](DeploymentScene& s) {
            s.machine.info.elevated = false;
            s.machine.launcher.twin = twin;
        };
    };
    const auto nothing = [](DeploymentScene&) {};
    const auto anotherRuns = [](DeploymentScene& s) {
        s.machine.locks.held.insert(kInstallerInstanceName);
    };
    // clang-format off
    const Case cases[] = {
        {"removed", L"/UNINSTALL", nothing, {kEnter, kEnter}, 0,
         {"Remove Velkor", "Velkor removed"}},
        {"kept", L"/UNINSTALL", nothing, {kEscape}, 1602, {"Remove Velkor"}, {},
         "Remove Velkor from After Effects?\n\nCC2015\nCC2017\nCC2018"},
        // A retry fails again, and only the target that failed is named.
        {"held by After Effects", L"/UNINSTALL", [](DeploymentScene& s) { s.Hold(kAE18); },
         {kEnter, kEnter, kEscape}, 1603,
         {"Remove Velkor", "Failed to remove", "Failed to remove"}, {},
         "Velkor could not be removed from:\n\nCC2018\n\nMake sure that After Effects is closed."
         "\n\nDo you want to retry?"},
        {"another installer running", L"/UNINSTALL", anotherRuns, {kEscape}, 1618,
         {"Installer already running"}},
        {"the wizard, while another installer runs", L"/UAC", anotherRuns, {kEscape}, 1618,
         {"Installer already running"}},
        {"not elevated: the elevated twin's code", L"/UNINSTALL /LOG=C:\\r.log",
         elevatedTwinEnds({true, 1603}), {}, 1603, {}, {L"/UAC /UNINSTALL /LOG=C:\\r.log"}},
        {"elevation refused", L"/UNINSTALL", elevatedTwinEnds({false, 1223}), {}, 1602, {},
         {L"/UAC /UNINSTALL"}},
        {"a twin still not elevated starts no other", L"/UAC /UNINSTALL",
         elevatedTwinEnds({true, 0}), {}, 740, {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeploymentScene scene;
        scene.RegisterVersions();
        scene.WriteFile(PluginIn(kAE18), "installed");
        c.arrange(scene);
        scene.Answer(c.keys);
        EXPECT_EQ(InstallerMain(c.line, scene.os), c.code);
        EXPECT_EQ(scene.asked, c.popups);
        if (!c.lastMessage.empty()) {
            EXPECT_EQ(scene.messages.back(), c.lastMessage);
        }
        EXPECT_EQ(scene.Exists(PluginIn(kAE18)), c.code != 0);
        EXPECT_EQ(scene.machine.launcher.elevated_launches, c.launched);
        // Only a silent run prints.
        EXPECT_TRUE(scene.machine.terminal.lines.empty());
    }
}

}  // namespace
