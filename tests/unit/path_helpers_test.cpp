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

TEST_F(CreateDirectoriesTest, MakesEveryMissingParentOrFailsWithoutLooping) {
    WriteFile(L"C:\\Data\\blocker", "a file where a folder is expected");
    machine.files.fail_making(L"C:\\Denied");
    struct Case {
        const char* name;
        std::wstring path;
        bool made;
    };
    const Case cases[] = {
        {"every parent missing", L"C:\\ProgramData\\Quintrel\\a\\b", true},
        {"already there", L"C:\\ProgramData\\Quintrel", true},
        {"empty path", L"", false},
        {"a file in the way of a parent", L"C:\\Data\\blocker\\a\\b", false},
        {"a parent that cannot be made", L"C:\\Denied\\x", false},
        {"a drive that does not exist", L"D:\\x\\y", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CreateDirectories(machine.files, c.path), c.made) << c.name;
    }
    EXPECT_TRUE(IsFolder(L"C:\\ProgramData\\Quintrel\\a\\b"));
    EXPECT_FALSE(IsFolder(L"C:\\Denied"));
}

}  // namespace
