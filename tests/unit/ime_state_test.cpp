#include "platform/headless/scripted_input_method.h"
#include "ui/core/ime_state.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using pelsdk::platform::candidate_form;
using pelsdk::platform::scripted_input_method;
using pelsdk::ui::ime_state;
namespace part = pelsdk::platform::composition_part;
using Dispatched = std::vector<uint64_t>;

constexpr uint32_t kTyped = part::text | part::cursor;
constexpr uint32_t kConverting = part::text | part::attributes;
constexpr uint32_t kBackspace = 0x08, kEnter = 0x0D, kSpace = 0x20;
constexpr uint32_t kEnd = 0x23, kHome = 0x24, kLeft = 0x25, kRight = 0x27, kKeyA = 0x41;
constexpr uint16_t kJapanese = 0x0411, kKorean = 0x0412;

class ImeStateTest : public ::testing::Test {
protected:
    Dispatched Take() { return std::exchange(dispatched, {}); }
    void Press(uint32_t key, uint32_t mapped) {
        im.virtual_key = key;
        im.key_chars[key] = mapped;
        ime.key_down_while_composing();
    }

    scripted_input_method im;
    Dispatched dispatched;
    ime_state ime{im, [this](uint64_t n) { dispatched.push_back(n); }};
};

TEST_F(ImeStateTest, ACompositionStartsChangesAndCommitsOnce) {
    struct Step {
        const char* what;
        char message;  // s start, c composition, e end
        uint32_t flags;
        std::u16string answer;  // the text, or the result at the end
        int32_t ime_cursor;
        Dispatched expected;
        std::u16string composition;
        int32_t cursor;
        bool composing;
    };
    const Step steps[] = {
        {"start", 's', 0, u"", 0, {0}, u"", 0, true},
        {"start again", 's', 0, u"", 0, {}, u"", 0, true},
        {"first key", 'c', kTyped, u"k", 1, {1}, u"k", 1, true},
        {"second key", 'c', kTyped, u"ka", 2, {1}, u"ka", 2, true},
        {"nothing new", 'c', kTyped, u"ka", 2, {}, u"ka", 2, true},
        {"cursor moved", 'c', kTyped, u"ka", 1, {1}, u"ka", 1, true},
        {"cursor past the text", 'c', kTyped, u"ka", 9, {1}, u"ka", 2, true},
        {"cursor error", 'c', kTyped, u"ka", -2, {1}, u"ka", 0, true},
        {"message without text", 'c', part::cursor, u"zz", 1, {}, u"ka", 0, true},
        {"failed read", 'c', kTyped, u"", 0, {1}, u"", 0, true},
        {"commit", 'e', 0, u"\u304B\u306A", 0, {2}, u"\u304B\u306A", 2, false},
        {"end again", 'e', 0, u"x", 0, {}, u"\u304B\u306A", 2, false},
    };
    for (const Step& step : steps) {
        im.text = im.result = step.answer;
        im.cursor = step.ime_cursor;
        if (step.message == 's') ime.start_composition();
        if (step.message == 'c') ime.compose(step.flags);
        if (step.message == 'e') ime.end_composition();
        EXPECT_EQ(Take(), step.expected) << step.what;
        EXPECT_EQ(ime.composition, step.composition) << step.what;
        EXPECT_EQ(ime.cursor, step.cursor) << step.what;
        EXPECT_EQ(ime.composing, step.composing) << step.what;
        EXPECT_EQ(im.carets, step.composing ? 1 : 0) << step.what;
    }
}

// While a clause is converted the cursor follows the keys; typing a character with the cursor
// at the end of a converted clause commits it and starts anew; Korean restarts per syllable.
TEST_F(ImeStateTest, KeysWhileComposingMoveTheCursorOrCommit) {
    struct Case {
        uint16_t language;
        uint32_t flags;
        std::vector<uint8_t> attributes;
        uint32_t key, mapped;
        int32_t cursor;  // in "abc", before the IME reports "abcd" with its cursor at 3
        bool converted;
        Dispatched expected;
        int32_t cursorAfter;
        bool convertedAfter;
    };
    const std::vector<uint8_t> target{0, 1, 1, 0}, plain{0, 2, 3, 0}, none;
    const uint32_t both = part::text | part::result;
    // clang-format off
    const Case cases[] = {
        {kJapanese, kConverting, target, kLeft, 0, 2, false, {1}, 1, true},
        {kJapanese, kConverting, target, kLeft, 0, 0, false, {1}, 0, true},
        {kJapanese, kConverting, target, kRight, 0, 2, false, {1}, 3, true},
        {kJapanese, kConverting, target, kRight, 0, 4, false, {1}, 4, true},
        {kJapanese, kConverting, target, kHome, 0, 2, false, {1}, 0, true},
        {kJapanese, kConverting, target, kEnd, 0, 1, false, {1}, 4, true},
        {kJapanese, kConverting, target, kKeyA, 0, 2, false, {1}, 2, true},
        {kJapanese, kConverting, plain, kLeft, 0, 2, false, {1}, 3, false},
        {kJapanese, part::text, target, kLeft, 0, 2, false, {1}, 3, false},
        {kKorean, kConverting, target, kLeft, 0, 2, false, {1}, 4, true},
        {kJapanese, part::text, none, kKeyA, 'a', 3, true, {2, 0, 1}, 3, false},
        {kJapanese, part::text, none, kKeyA, 0x80000061, 3, true, {2, 0, 1}, 3, false},
        {kJapanese, part::text, none, kKeyA, 0x100, 3, true, {1}, 3, false},
        {kJapanese, part::text, none, kBackspace, 0x08, 3, true, {1}, 3, false},
        {kJapanese, part::text, none, kEnter, 0x0D, 3, true, {1}, 3, false},
        {kJapanese, part::text, none, kSpace, 0x20, 3, true, {1}, 3, false},
        {kJapanese, part::text, none, kKeyA, 'a', 2, true, {1}, 3, false},
        {kKorean, both, none, kKeyA, 'a', 1, false, {0, 1}, 4, false},
        {kKorean, part::result, none, kKeyA, 'a', 1, false, {0}, 1, false},
        {kKorean, both, none, kKeyA, 0, 1, false, {1}, 4, false},
        {kJapanese, both, none, kKeyA, 'a', 1, false, {1}, 3, false},
    };
    // clang-format on
    Press(kKeyA, 'a');
    EXPECT_EQ(ime.virtual_key, 0u) << "keys count only while composing";
    ime.start_composition();
    im.text = u"abcd";
    im.cursor = 3;
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        ime.language = c.language;
        im.attributes = c.attributes;
        Press(c.key, c.mapped);
        ime.composition = u"abc";
        ime.cursor = c.cursor;
        ime.target_converted = c.converted;
        Take();
        ime.compose(c.flags);
        EXPECT_EQ(Take(), c.expected);
        EXPECT_EQ(ime.cursor, c.cursorAfter);
        EXPECT_EQ(ime.target_converted, c.convertedAfter);
    }
}

TEST_F(ImeStateTest, LanguageChangesAndTheCandidateListNeedAnInputContext) {
    EXPECT_EQ(ime.language, 0x0409) << "the layout in use is read at once";
    im.layout = {kJapanese, true};
    ime.input_language_changed();
    EXPECT_EQ(im.completions, 0) << "nothing to complete";
    EXPECT_EQ(ime.language, kJapanese);
    EXPECT_TRUE(ime.is_ime);
    // Starting shows the candidate list below the widget's rectangle.
    ime.candidate_rect = {10, -20, 30, 40};
    ime.start_composition();
    ASSERT_EQ(im.candidate_windows.size(), 1u);
    EXPECT_EQ(im.candidate_windows[0], (candidate_form{{10, -20}, 10, -20, 40, 20}));
    ime.input_language_changed();
    EXPECT_EQ(im.completions, 1);
    ime.end_composition();
    Take();

    im.has_context = false;
    im.text = im.result = u"k";
    ime.start_composition();
    ime.compose(kTyped);
    EXPECT_FALSE(ime.update_composition(kTyped, part::text));
    ime.input_language_changed();
    ime.end_composition();
    EXPECT_EQ(Take(), Dispatched{0});
    EXPECT_EQ(ime.composition, u"");
    EXPECT_EQ(im.candidate_windows.size(), 1u);
    EXPECT_EQ(im.completions, 1);
    EXPECT_EQ(im.carets, 0);
}

}  // namespace
