// The installer as a screen reader user goes through it: read from this second process through
// Active Accessibility and driven by default actions alone. Each page's tree is printed as the
// reader reads it.
#include <gtest/gtest.h>
#include <objbase.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "tests/e2e/installer_process.h"
#include "tests/e2e/msaa_tree.h"
#include "tests/e2e/registered_versions.h"
#include "tests/e2e/screen.h"

namespace {

// COM for this thread, as a reader has it.
struct Apartment {
    Apartment() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~Apartment() { CoUninitialize(); }
};

// Waits as a reader's thread does: dispatching what comes in, the events it hooked among them.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeout_ms) {
    for (DWORD waited = 0; waited < timeout_ms; waited += 50) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        if (condition()) return true;
        Sleep(50);
    }
    return condition();
}

// What the installer tells screen readers, as a reader hooked to its process hears it: each
// change with the name of the element it names, looked up as the change arrives.
class HeardChanges {
public:
    explicit HeardChanges(HWND window) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        listener_ = this;
        hook_ = SetWinEventHook(EVENT_OBJECT_REORDER, EVENT_OBJECT_VALUECHANGE, nullptr, &OnChange,
                                process, 0, WINEVENT_OUTOFCONTEXT);
    }
    ~HeardChanges() {
        UnhookWinEvent(hook_);
        listener_ = nullptr;
    }
    bool Heard(const std::string& change) const {
        return std::find(heard_.begin(), heard_.end(), change) != heard_.end();
    }
    const std::vector<std::string>& All() const { return heard_; }

private:
    static void CALLBACK OnChange(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child,
                                  DWORD, DWORD) {
        const char* kind = event == EVENT_OBJECT_REORDER       ? "reorder"
                           : event == EVENT_OBJECT_FOCUS       ? "focus"
                           : event == EVENT_OBJECT_STATECHANGE ? "state"
                           : event == EVENT_OBJECT_NAMECHANGE  ? "name"
                           : event == EVENT_OBJECT_VALUECHANGE ? "value"
                                                               : nullptr;
        if (listener_ == nullptr || kind == nullptr || object != OBJID_CLIENT) return;
        com_ptr<IAccessible> source;
        VARIANT id;
        if (AccessibleObjectFromEvent(window, object, child, source.out(), &id) != S_OK) return;
        listener_->heard_.push_back(std::string(kind) + " " +
                                    Quoted(NameOf(ElementOf(source, id))));
    }

    static inline HeardChanges* listener_ = nullptr;
    HWINEVENTHOOK hook_ = nullptr;
    std::vector<std::string> heard_;
};

bool Has(const MsaaElement& element, LONG state) { return (StatesOf(element) & state) != 0; }

// The element, once the page that holds it is shown; no object when it did not come.
MsaaElement WaitForElement(HWND window, LONG role, const std::string& name, DWORD timeout_ms) {
    MsaaElement found;
    PumpUntil(
        [&] {
            found = FindElement(window, role, name);
            return static_cast<bool>(found.object);
        },
        timeout_ms);
    return found;
}

HRESULT Perform(const MsaaElement& element) {
    return element.object ? element.object->accDoDefaultAction(ChildId(element.id)) : E_POINTER;
}

std::string PrintedTree(HWND window, const char* page) {
    const std::string tree = MsaaTree(window);
    std::cout << "--- " << page << "\n" << tree << std::flush;
    return tree;
}

bool HasPlugin(const std::filesystem::path& folder) {
    return std::filesystem::exists(folder / L"Quintrel" / L"Velkor.aex");
}

TEST(ScreenReader, ReadsEveryPageAndInstallsByDefaultActionsAlone) {
    ASSERT_EQ(FindWindowW(nullptr, kInstallerTitle), nullptr) << "an installer is already running";
    const Apartment apartment;
    RegisteredVersions versions{L"13.8", L"14.0", L"15.0"};
    HANDLE process = StartInstaller(InstallerPath(), L"/UAC");
    ASSERT_NE(process, nullptr);
    HWND installer = WaitForInstallerWindow(30000);
    ASSERT_NE(installer, nullptr);

    const HeardChanges changes(installer);
    const auto box = [&] { return FindElement(installer, ROLE_SYSTEM_CHECKBUTTON, "CC2017"); };
    const MsaaElement agree = WaitForElement(installer, ROLE_SYSTEM_PUSHBUTTON, "I AGREE", 15000);
    PrintedTree(installer, "Welcome");
    EXPECT_TRUE(Has(FindElement(installer, ROLE_SYSTEM_PUSHBUTTON, "BACK"),
                    STATE_SYSTEM_UNAVAILABLE));
    EXPECT_EQ(Perform(agree), S_OK);

    ASSERT_TRUE(WaitForElement(installer, ROLE_SYSTEM_CHECKBUTTON, "Custom", 15000).object)
        << "the Versions page";
    PrintedTree(installer, "Versions");
    EXPECT_TRUE(Has(box(), STATE_SYSTEM_CHECKED));
    EXPECT_EQ(Perform(box()), S_OK);
    EXPECT_TRUE(PumpUntil([&] { return !Has(box(), STATE_SYSTEM_CHECKED); }, 10000))
        << "CC2017 unticked";
    EXPECT_EQ(Perform(FindElement(installer, ROLE_SYSTEM_PUSHBUTTON, "INSTALL")), S_OK);

    EXPECT_TRUE(WaitForElement(installer, ROLE_SYSTEM_STATICTEXT, "Mission Success!", 60000).object)
        << "the finished page's title";
    const std::string finished = PrintedTree(installer, "Finished");
    size_t installed_lines = 0;
    for (size_t at = finished.find("value \"installed\""); at != std::string::npos;
         at = finished.find("value \"installed\"", at + 1)) {
        ++installed_lines;
    }
    EXPECT_EQ(installed_lines, 2u) << "a line for each version left ticked";
    EXPECT_TRUE(HasPlugin(versions.folders[0]));
    EXPECT_FALSE(HasPlugin(versions.folders[1])) << "the unticked CC2017";
    EXPECT_TRUE(HasPlugin(versions.folders[2]));

    // A change is told as it happens, and names an element the reader can read.
    const char* const told[] = {"reorder \"Velkor Plug-in for After Effects Installer\"",
                                "state \"CC2017\"", "name \"Mission Success!\""};
    for (const char* change : told) {
        EXPECT_TRUE(PumpUntil([&] { return changes.Heard(change); }, 5000)) << change;
    }
    std::cout << "--- Heard\n";
    for (const std::string& change : changes.All()) std::cout << change << "\n";

    EXPECT_EQ(Perform(FindElement(installer, ROLE_SYSTEM_PUSHBUTTON, "FINISH")), S_OK);
    EXPECT_EQ(RunToEnd(process, 20000), 0u);
    CloseHandle(process);
}

}  // namespace
