#include <gtest/gtest.h>

#include "installer/engine/path_helpers.h"

namespace {

// The same table runs against the code-page calls on Windows and the portable conversion
// elsewhere, so both must agree.
TEST(TextEncoding, Utf8ToWideMatchesCodePage65001) {
    struct Case {
        std::string utf8;
        std::wstring wide;
    };
    const Case cases[] = {
        {"", L""},
        {"Plug-ins", L"Plug-ins"},
        {"\xc3\xa9\xe4\xb8\xad", L"\u00e9\u4e2d"},
        {"\xf0\x9f\x98\x80", L"\U0001F600"},
        {std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
        {"\xff", L"\ufffd"},
        {"a\x80z", L"a\ufffdz"},
        {"\xc3", L"\ufffd"},                   // truncated at the end
        {"\xe4\xb8z", L"\ufffdz"},             // truncated before an ASCII byte
        {"\xc0\xaf", L"\ufffd\ufffd"},         // overlong
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8ToWide(c.utf8), c.wide) << testing::PrintToString(c.utf8);
    }
}

// How many replacements an encoded surrogate or a code point beyond U+10FFFF becomes differs
// between converters; what matters is that nothing but replacements comes out.
TEST(TextEncoding, Utf8ToWideReplacesImpossibleCodePoints) {
    for (const std::string utf8 : {"\xed\xa0\x80", "\xf4\x90\x80\x80", "\xf5\x80\x80\x80"}) {
        const std::wstring wide = Utf8ToWide(utf8);
        EXPECT_FALSE(wide.empty());
        EXPECT_EQ(wide.find_first_not_of(L'\ufffd'), std::wstring::npos)
            << testing::PrintToString(utf8);
    }
}

TEST(TextEncoding, WideToUtf8MatchesCodePage65001) {
    struct Case {
        std::wstring wide;
        std::string utf8;
    };
    const Case cases[] = {
        {L"", ""},
        {L"C:\\Adobe After Effects 2020", "C:\\Adobe After Effects 2020"},
        {L"\u00e9\u4e2d", "\xc3\xa9\xe4\xb8\xad"},
        {L"\U0001F600", "\xf0\x9f\x98\x80"},
        {std::wstring(L"a\0b", 3), std::string("a\0b", 3)},
        {std::wstring(1, static_cast<wchar_t>(0xD800)), "\xef\xbf\xbd"},  // lone high surrogate
        {std::wstring(L"x") + static_cast<wchar_t>(0xDC00) + L"y", "x\xef\xbf\xbdy"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WideToUtf8(c.wide), c.utf8) << testing::PrintToString(c.wide);
    }
}

}  // namespace
