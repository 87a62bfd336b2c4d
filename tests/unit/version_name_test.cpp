#include <gtest/gtest.h>

#include "installer/engine/version_name.h"

namespace {

TEST(VersionNameFromPath, NamesTheFolderTwoLevelsAbovePluginFolder) {
    struct Case {
        std::wstring folder;
        std::string name;
    };
    const Case cases[] = {
        {L"", ""},
        {L"C:\\Program Files\\Adobe\\Adobe After Effects 2020\\Support Files\\Plug-ins", "2020"},
        {L"C:\\Program Files\\Adobe\\Adobe After Effects 2019\\Support Files\\Plug-ins\\", "2019"},
        {L"C:\\Adobe\\Adobe After Effects CC 2019\\Support Files\\Plug-ins", "CC2019"},
        // No "After Effects" in the name: the whole name, less its white space.
        {L"D:\\My AE\\Support\\Plug-ins", "MyAE"},
        {L"D:\\My\tA\nE\r\v\f\\x\\y", "MyAE"},
        // The last occurrence counts.
        {L"C:\\After Effects After Effects 7\\a\\b", "7"},
        // Nothing follows "After Effects": the name stays whole.
        {L"C:\\Adobe After Effects\\a\\b", "AdobeAfterEffects"},
        {L"C:\\x\\Adobe After Effects \\a\\b", ""},
        // Matching is case-sensitive.
        {L"C:\\adobe after effects 2021\\a\\b", "adobeaftereffects2021"},
        // Too few levels.
        {L"Plug-ins", ""},
        {L"Support\\Plug-ins", ""},
        {L"Root\\Support\\Plug-ins", "Root"},
        {L"C:\\Adobe After Effects 2\u00e9\u4e2d\\a\\b", "2\xc3\xa9\xe4\xb8\xad"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VersionNameFromPath(c.folder), c.name) << "case " << (&c - cases);
    }
}

}  // namespace
