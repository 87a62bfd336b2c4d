#include <gtest/gtest.h>

#include "installer/engine/path_helpers.h"
#include "tests/support/headless_scene.h"

namespace {

TEST(PathHelpers, JoinParentAndLastComponent) {
    struct Case {
        std::wstring a, b, joined;
    };
    const Case joins[] = {
        {L"C:\\a", L"b", L"C:\\a\\b"},     {L"C:\\a\\", L"b", L"C:\\a\\b"},
        {L"C:\\a", L"\\b", L"C:\\a\\b"},   {L"C:\\a\\", L"\\b", L"C:\\a\\b"},
        {L"C:\\a", L"", L"C:\\a"},         {L"", L"b", L"b"},
        {L"", L"\\b", L"b"},               {L"C:\\a", L"\\\\b", L"C:\\a\\\\b"},
        {L"", L"", L""},
    };
    for (const Case& c : joins) EXPECT_EQ(JoinPath(c.a, c.b), c.joined) << "join " << (&c - joins);

    struct Split {
        std::wstring path, parent, last;
    };
    const Split splits[] = {
        {L"C:\\a\\b", L"C:\\a", L"b"},
        {L"C:\\a\\b\\", L"C:\\a", L"b"},
        {L"C:\\a\\b\\\\", L"C:\\a\\b", L""},  // only one trailing backslash is dropped
        {L"C:\\", L"", L"C:"},
        {L"C:", L"", L"C:"},
        {L"name", L"", L"name"},
        {L"\\", L"", L""},
        {L"", L"", L""},
        {L"a/b", L"", L"a/b"},  // backslash is the only separator
    };
    for (const Split& s : splits) {
        EXPECT_EQ(ParentPath(s.path), s.parent) << "parent " << (&s - splits);
        EXPECT_EQ(LastPathComponent(s.path), s.last) << "last " << (&s - splits);
    }
}

using CreateDirectoriesTest = HeadlessTest;

TEST_F(CreateDirectoriesTest, CreatesEveryMissingParent) {
    EXPECT_TRUE(CreateDirectories(machine.files, L"C:\\ProgramData\\Quintrel\\a\\b"));
    EXPECT_TRUE(IsFolder(L"C:\\ProgramData\\Quintrel\\a\\b"));
    // Existing folders are fine.
    EXPECT_TRUE(CreateDirectories(machine.files, L"C:\\ProgramData\\Quintrel"));
}

TEST_F(CreateDirectoriesTest, ReportsFailureWithoutLooping) {
    WriteFile(L"C:\\Data\\blocker", "a file where a folder is expected");
    struct Case {
        const wchar_t* name;
        std::wstring path;
    };
    machine.files.fail_making(L"C:\\Denied");
    const Case cases[] = {
        {L"empty path", L""},
        {L"file in the way of a parent", L"C:\\Data\\blocker\\a\\b"},
        {L"parent that cannot be made", L"C:\\Denied\\x"},
        {L"drive that does not exist", L"D:\\x\\y"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(CreateDirectories(machine.files, c.path)) << c.name;
    }
    EXPECT_FALSE(IsFolder(L"C:\\Denied"));
}

}  // namespace
