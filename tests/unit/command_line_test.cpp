#include <gtest/gtest.h>

#include "installer/engine/command_line.h"
#include "installer/engine/windows_arguments.h"

namespace {

TEST(CommandLine, SplitsAsWindowsDoesAndQuotesBackWhole) {
    struct Case {
        std::wstring line;
        std::vector<std::wstring> arguments;
    };
    const Case cases[] = {
        {L"  /S\t/UNINSTALL  ", {L"/S", L"/UNINSTALL"}},
        {L"\"/LOG=C:\\Log Files\\v.log\" /S", {L"/LOG=C:\\Log Files\\v.log", L"/S"}},
        {L"/FOLDER=\"D:\\My Plug-ins\"\\", {L"/FOLDER=D:\\My Plug-ins\\"}},
        // An odd run of backslashes escapes the quote after it, an even one keeps it.
        {L"a\\\\\\\"b \"c\\\\\" d\\e", {L"a\\\"b", L"c\\", L"d\\e"}},
        {L"\"a\"\"b c", {L"a\"b", L"c"}},  // two quotes inside give one and end the quoted part
        {L"\"\" x", {L"", L"x"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitArguments(c.line), c.arguments) << testing::PrintToString(c.line);
    }
    for (const std::wstring tricky : {L"", L"plain", L"with space", L"C:\\end\\", L"q\"uote\\\"",
                                      L"D:\\Trailing Space\\\\"}) {
        EXPECT_EQ(SplitArguments(L"/S " + QuoteArgument(tricky)),
                  (std::vector<std::wstring>{L"/S", tricky}));
    }
}

TEST(CommandLine, DeploymentSwitchesParseOrRefuse) {
    struct Case {
        std::wstring line;
        bool deployment;
        std::string refusal;  // a part of the reason; empty: accepted
        bool silent = false, uninstall = false, twin = false;
        std::vector<std::string> versions = {};
        std::wstring folder = L"", log = L"";
    };
    // clang-format off
    const Case cases[] = {
        // Without a deployment switch the wizard's "/UAC" test decides, as it always did.
        {L"/UAC", false, ""},
        {L"/s", true, "", true},
        {L"/uac /S", true, "", true, false, true},
        {L"/S /Uninstall", true, "", true, true},
        {L"/UNINSTALL", true, "", false, true},
        {L"/S \"/VERSIONS=CC2018, cc2018,CC2015.3\"", true, "", true, false, false,
         {"CC2018", "CC2015.3"}},
        {L"/S /FOLDER=D:/Plug-ins/", true, "", true, false, false, {}, L"D:\\Plug-ins"},
        {L"/S \"/FOLDER=\\\\render\\plug ins\"", true, "", true, false, false, {},
         L"\\\\render\\plug ins"},
        {L"/S \"/LOG=C:\\Log Files\\v.log\"", true, "", true, false, false, {}, L"",
         L"C:\\Log Files\\v.log"},
        {L"/S /QUIET", true, "unknown switch: /QUIET", true},
        {L"/UACX /S", true, "unknown switch: /UACX", true},
        {L"/S CC2018", true, "unknown switch: CC2018", true},
        {L"/S /S", true, "/S is given twice", true},
        {L"/S=1", true, "/S takes no value"},
        {L"/S /LOG", true, "/LOG needs a value", true},
        {L"/S /VERSIONS=", true, "/VERSIONS needs a value", true},
        {L"/S /VERSIONS=CC2018,,CC2017", true, "empty name", true},
        {L"/S /FOLDER=Plug-ins", true, "/FOLDER needs a full path", true},
        {L"/VERSIONS=CC2018", true, "go with /S or /UNINSTALL"},
        // A refused silent run is still silent; the first reason is kept, and a later /LOG still
        // says where it goes.
        {L"/S /Bogus /S /LOG=C:\\v.log", true, "unknown switch: /Bogus", true, false, false, {},
         L"", L"C:\\v.log"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.line));
        const std::optional<DeploymentRequest> request = ParseDeploymentSwitches(c.line);
        ASSERT_EQ(request.has_value(), c.deployment);
        if (!request) continue;
        EXPECT_EQ(request->refusal.empty(), c.refusal.empty()) << request->refusal;
        EXPECT_NE(request->refusal.find(c.refusal), std::string::npos) << request->refusal;
        EXPECT_EQ(request->silent, c.silent);
        EXPECT_EQ(request->logFile, c.log);
        if (!c.refusal.empty()) continue;
        EXPECT_EQ(request->uninstall, c.uninstall);
        EXPECT_EQ(request->elevatedTwin, c.twin);
        EXPECT_EQ(request->versions, c.versions);
        EXPECT_EQ(request->folder, c.folder);
    }
}

TEST(CommandLine, TheElevatedTwinOfARemovalGetsItsSwitches) {
    EXPECT_EQ(TwinParameters(*ParseDeploymentSwitches(L"/UNINSTALL")), L"/UAC /UNINSTALL");
    const std::wstring switches =
        L"/VERSIONS=CC2018,CC2017 \"/FOLDER=D:\\My Plug-ins\" \"/LOG=C:\\Log Files\\r.log\"";
    EXPECT_EQ(TwinParameters(*ParseDeploymentSwitches(L"/uninstall " + switches)),
              L"/UAC /UNINSTALL " + switches);
}

}  // namespace
