#include <gtest/gtest.h>

#include "installer/engine/path_helpers.h"

namespace {

// The same tables run against the code-page calls on Windows and the portable conversion
// elsewhere, so both must agree.
TEST(TextEncoding, ValidTextConvertsBothWays) {
    struct Case {
        std::string utf8;
        std::wstring wide;
    };
    const Case cases[] = {
        {"", L""},
        {"C:\\Adobe After Effects 2020", L"C:\\Adobe After Effects 2020"},
        {"\xc3\xa9\xe4\xb8\xad", L"\u00e9\u4e2d"},
        {"\xf0\x9f\x98\x80", L"\U0001F600"},
        {std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8ToWide(c.utf8), c.wide) << testing::PrintToString(c.utf8);
        EXPECT_EQ(WideToUtf8(c.wide), c.utf8) << testing::PrintToString(c.utf8);
    }
}

TEST(TextEncoding, BrokenSequencesBecomeReplacementCharacters) {
    const std::pair<std::string, std::wstring> toWide[] = {
        {"a\x80z", L"a\ufffdz"},
        {"\xc3", L"\ufffd"},            // truncated at the end
        {"\xe4\xb8z", L"\ufffdz"},      // truncated before an ASCII byte
        {"\xc0\xaf", L"\ufffd\ufffd"},  // overlong
    };
    for (const auto& [utf8, wide] : toWide) {
        EXPECT_EQ(Utf8ToWide(utf8), wide) << testing::PrintToString(utf8);
    }
    // How many replacements an encoded surrogate or a code point beyond U+10FFFF becomes
    // differs between converters; what matters is that nothing but replacements comes out.
    for (const std::string utf8 : {"\xed\xa0\x80", "\xf4\x90\x80\x80", "\xf5\x80\x80\x80"}) {
        const std::wstring wide = Utf8ToWide(utf8);
        EXPECT_FALSE(wide.empty());
        EXPECT_EQ(wide.find_first_not_of(L'\ufffd'), std::wstring::npos)
            << testing::PrintToString(utf8);
    }
    // Lone surrogates, high and low.
    EXPECT_EQ(WideToUtf8(std::wstring(1, static_cast<wchar_t>(0xD800))), "\xef\xbf\xbd");
    EXPECT_EQ(WideToUtf8(std::wstring(L"x") + static_cast<wchar_t>(0xDC00) + L"y"),
              "x\xef\xbf\xbdy");
}

}  // namespace
