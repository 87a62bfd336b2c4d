// The installer as a screen reader user goes through it: read from this second process through
// Active Accessibility and driven by default actions alone. Each page's tree is printed as the
// reader reads it.
#include <gtest/gtest.h>
#include <objbase.h>

#include <filesystem>
#include <iostream>

#include "tests/e2e/installer_process.h"
#include "tests/e2e/registered_versions.h"
#include "tests/e2e/screen.h"
#include "tests/support/msaa_tree.h"

namespace {

// COM for this thread, as a reader has it.
struct Apartment {
    Apartment() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~Apartment() { CoUninitialize(); }
};

bool Has(const MsaaElement& element, LONG state) { return (StatesOf(element) & state) != 0; }

// The element, once the page that holds it is shown; no object when it did not come.
MsaaElement WaitForElement(HWND window, LONG role, const std::string& name, DWORD timeout_ms) {
    MsaaElement found;
    WaitUntil(
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

    const MsaaElement agree = WaitForElement(installer, ROLE_SYSTEM_PUSHBUTTON, "I AGREE", 15000);
    PrintedTree(installer, "Welcome");
    const struct {
        LONG role;
        const char* name;
        bool available;
    } welcome[] = {{ROLE_SYSTEM_LINK, "Quintrel Software License Agreement", true},
                   {ROLE_SYSTEM_PUSHBUTTON, "CANCEL", true},
                   {ROLE_SYSTEM_PUSHBUTTON, "BACK", false},
                   {ROLE_SYSTEM_PUSHBUTTON, "I AGREE", true}};
    for (const auto& expected : welcome) {
        const MsaaElement element = FindElement(installer, expected.role, expected.name);
        ASSERT_TRUE(element.object) << expected.name;
        EXPECT_EQ(!Has(element, STATE_SYSTEM_UNAVAILABLE), expected.available) << expected.name;
    }
    EXPECT_EQ(Perform(agree), S_OK);

    ASSERT_TRUE(WaitForElement(installer, ROLE_SYSTEM_CHECKBUTTON, "Custom", 15000).object)
        << "the Versions page";
    PrintedTree(installer, "Versions");
    const struct {
        const char* name;
        bool checked;
    } boxes[] = {{"Custom", false}, {"CC2018", true}, {"CC2017", true}, {"CC2015.3", true}};
    for (const auto& box : boxes) {
        const MsaaElement element = FindElement(installer, ROLE_SYSTEM_CHECKBUTTON, box.name);
        ASSERT_TRUE(element.object) << box.name;
        EXPECT_EQ(Has(element, STATE_SYSTEM_CHECKED), box.checked) << box.name;
    }
    EXPECT_EQ(Perform(FindElement(installer, ROLE_SYSTEM_CHECKBUTTON, "CC2017")), S_OK);
    EXPECT_TRUE(WaitUntil(
        [&] {
            return !Has(FindElement(installer, ROLE_SYSTEM_CHECKBUTTON, "CC2017"),
                        STATE_SYSTEM_CHECKED);
        },
        10000))
        << "CC2017 unticked";
    EXPECT_EQ(Perform(FindElement(installer, ROLE_SYSTEM_PUSHBUTTON, "INSTALL")), S_OK);

    EXPECT_TRUE(
        WaitForElement(installer, ROLE_SYSTEM_STATICTEXT, "Mission Success!", 60000).object)
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

    EXPECT_EQ(Perform(FindElement(installer, ROLE_SYSTEM_PUSHBUTTON, "FINISH")), S_OK);
    EXPECT_EQ(RunToEnd(process, 20000), 0u);
    CloseHandle(process);
}

}  // namespace
