#include "ui/widgets/markup_parser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "platform/text_encoding.h"

namespace {

using namespace pelsdk::ui;

text_run Base() {
    text_run base;
    base.family = "Tahoma";
    base.size = 11;
    return base;
}

// A colour channel as n/255 when it is exactly that, so that wrong scaling shows.
std::string Channel(float value) {
    const long n = std::lround(value * 255.0f);
    return static_cast<float>(n) / 255.0f == value ? std::to_string(n) : std::to_string(value);
}

// "start-end" followed by what differs from the base style.
std::string Describe(const text_run& run) {
    const text_run base = Base();
    std::string d = std::to_string(run.start) + "-" + std::to_string(run.end);
    if (run.weight != base.weight) d += " weight=" + std::to_string(static_cast<int>(run.weight));
    if (run.style == font_style::italic) d += " italic";
    if (run.underline) d += " underline";
    if (run.family != base.family) d += " face=" + run.family;
    if (run.size != base.size) d += " size=" + std::to_string(run.size);
    if (!(run.color == base.color)) {
        d += " color=" + Channel(run.color.r) + "," + Channel(run.color.g) + "," +
             Channel(run.color.b) + "," + Channel(run.color.a);
    }
    if (!run.link.empty()) d += " link=" + run.link;
    return d;
}

bool SameLook(const text_run& a, const text_run& b) {
    return std::tie(a.weight, a.style, a.underline, a.family, a.size) ==
               std::tie(b.weight, b.style, b.underline, b.family, b.size) &&
           a.color == b.color;
}

std::vector<std::string> Describe(const std::vector<text_run>& runs) {
    std::vector<std::string> described;
    for (const text_run& run : runs) described.push_back(Describe(run));
    return described;
}

TEST(MarkupParser, VisibleTextAndRuns) {
    struct Case {
        std::string markup;
        std::string text;
        std::vector<std::string> runs;
    };
    const std::string blue = " underline color=0,0,255,255";
    // clang-format off
    const Case cases[] = {
        // The opening p's break merges with X; Z shares a run with the closing p's break.
        {"<html><body><p>X<b>Y</b>Z</p></body></html>", "\nXYZ\n",
         {"0-2", "2-3 weight=2", "3-5"}},
        {"<ul>\r\n<li>one</li>\r\n<li>two</li>\r\n</ul>", "\n* one\n* two\n", {"0-13"}},
        {"<li><b>x</b></li>", "* x\n", {"0-3 weight=2", "3-4"}},
        {"<b><i>A</i>B</b><u>C</u>", "ABC",
         {"0-1 weight=2 italic", "1-2 weight=2", "2-3 underline"}},
        {"<p>a\r\nb</p><p> \t\r\n </p>", "\nab\n\n\n", {"0-6"}},
        // Spaces around '=' are allowed; the colour's first character is dropped, whatever it is.
        {"<font color = \"#1b6936\">G</font>", "G", {"0-1 color=27,105,54,255"}},
        {"<font color=\"1b6936\">G</font>", "G", {"0-1 color=11,105,54,255"}},
        {"<font color=\"#zz\">G</font>", "G", {"0-1 color=0,0,0,255"}},
        {"<font size=3>A</font>", "A", {"0-1"}},
        {"<font size=\"3\">A</font><font size=\"5pt\">B</font>", "AB",
         {"0-1 size=12.000000", "1-2 size=20.000000"}},
        {"<font size=\"2.5\" face=\"Verdana\">A</font>", "A", {"0-1 face=Verdana size=10.000000"}},
        {"<font size=\"big\">A</font><font size=\"-1\">B</font>", "AB", {"0-2 size=0.000000"}},
        {"<b>A</b>tail", "A", {"0-1 weight=2"}},
        // Adjacent links of one look share a run, and with it the first target.
        {"<a href=\"one\">A</a><a href=\"two\">B</a><br>", "AB\n",
         {"0-2" + blue + " link=one", "2-3"}},
        {"<a name=\"x\">A</a><abbr>B</abbr>", "AB", {"0-2"}},
        // Unknown tags neither push nor pop, but the text before them is shown.
        {"<b>A<span>B</span>C</b>", "ABC", {"0-3 weight=2"}},
        {"A<br>B<br/>C", "A\nB", {"0-3"}},
        {"<b >A</ b><B>C</B>", "AC", {"0-1 weight=2", "1-2"}},
        {"<b>1>2</b><b<i>x</i>", "1>2<bx", {"0-3 weight=2", "3-5", "5-6 italic"}},
        // Text before the first tag is shown; stray closing tags never lose the base style.
        {"Hi <b>you</b>", "Hi you", {"0-3", "3-6 weight=2"}},
        {"</b></font></a><b>A</b>", "A", {"0-1 weight=2"}},
        {"</li>A<br>", "A\n", {"0-2"}},
        {"<br></li>", "\n", {"0-1"}},
        // Positions count UTF-16 units: é is one, an emoji two; invalid bytes show as U+FFFD.
        {"<b>\xC3\xA9</b>\xF0\x9F\x98\x80<i>x</i>", "\xC3\xA9\xF0\x9F\x98\x80x",
         {"0-1 weight=2", "1-3", "3-4 italic"}},
        {"<b>\xC3</b>\xA9<br>", "\xEF\xBF\xBD\xEF\xBF\xBD\n", {"0-1 weight=2", "1-3"}},
        {"", "", {}},
        {"<p", "", {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.markup);
        const parsed_markup parsed = parse_markup(c.markup, Base());
        EXPECT_EQ(parsed.text, c.text);
        EXPECT_EQ(Describe(parsed.runs), c.runs);
    }
}

TEST(MarkupParser, AttributeValues) {
    struct Case {
        std::string_view tag;
        std::string_view name;
        std::string_view value;
    };
    const Case cases[] = {
        {"font color=\"red\"", "color", "red"},
        {"font color \t= \"red\" size=\"2\"", "color", "red"},
        {"font color=\"\"", "color", ""},
        {"a href=\"x y\"", "href", "x y"},
        {"a href='x' name", "href", "x'"},         // only double quotes quote
        {"font size=13 face=\"x\"", "size", "3"},  // the opening character is dropped
        {"font size=3", "size", ""},               // no closing delimiter
        {"font size=\"3", "size", ""},
        {"font size", "size", ""},
        {"font size 3", "size", ""},
        {"font size= ", "size", ""},
        {"font facet=\"a\" face=\"b\"", "face", ""},  // the first occurrence decides
        {"font face=\"a\" size=\"b\"", "face", "a"},
        {"font", "face", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(get_attribute(c.tag, c.name), c.value) << c.tag << " / " << c.name;
    }
}

// Random markups of tag fragments, quotes, brackets, whitespace, multi-byte and invalid UTF-8:
// whatever comes in, the runs tile the visible text exactly and the text is valid UTF-8.
TEST(MarkupParser, RandomMarkupGivesRunsThatTileTheText) {
    // clang-format off
    static const std::string pieces[] = {
        "<", ">", "=", "\"", " ", "\t", "\r\n", "/", "html", "body", "p", "b", "u", "i", "ul",
        "li", "br", "font", "a", " face=\"Arial\"", " size=\"3\"", " size=", " color=\"#",
        "1b6936", " href=\"http://x\"", "href", "Text ", "x", "\xC3\xA9", "\xF0\x9F\x98\x80",
        "\xC3", "\xA9", "\xF0\x9F", "\xFF", "\xED\xA0\x80", std::string(1, '\0'),
    };
    // clang-format on
    std::mt19937 engine(20240611);
    auto below = [&](size_t bound) {
        return std::uniform_int_distribution<size_t>(0, bound - 1)(engine);
    };
    for (int round = 0; round < 4000; ++round) {
        std::string markup;
        const size_t count = below(60);
        for (size_t i = 0; i < count; ++i) {
            markup += below(8) == 0 ? std::string(1, static_cast<char>(below(256)))
                                    : pieces[below(std::size(pieces))];
        }
        SCOPED_TRACE(::testing::PrintToString(markup));
        const parsed_markup parsed = parse_markup(markup, Base());

        const std::u16string units = pelsdk::platform::utf8_to_utf16(parsed.text);
        ASSERT_EQ(pelsdk::platform::wide_to_utf8(pelsdk::platform::utf8_to_wide(parsed.text)),
                  parsed.text);
        uint32_t expected_start = 0;
        for (size_t k = 0; k < parsed.runs.size(); ++k) {
            const text_run& run = parsed.runs[k];
            ASSERT_EQ(run.start, expected_start);
            ASSERT_LT(run.start, run.end);
            if (k > 0) {
                ASSERT_FALSE(SameLook(parsed.runs[k - 1], run)) << "unmerged";
            }
            expected_start = run.end;
        }
        ASSERT_EQ(expected_start, units.size());
    }
}

}  // namespace
