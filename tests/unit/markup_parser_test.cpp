#include "ui/widgets/markup_parser.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace pelsdk::ui;

text_run Base() {
    text_run base;
    base.family = "Tahoma";
    base.size = 11;
    return base;
}

// A colour in 255ths; "?" for a channel that is not exactly n/255.
std::string Rgba(const color& c) {
    std::string text;
    for (float value : {c.r, c.g, c.b, c.a}) {
        const long n = std::lround(value * 255.0f);
        if (!text.empty()) text += ',';
        text += static_cast<float>(n) / 255.0f == value ? std::to_string(n) : "?";
    }
    return text;
}

// What differs from the base style, the link aside.
std::string Look(const text_run& run) {
    std::string d;
    if (run.weight == font_weight::bold) d += " bold";
    if (run.style == font_style::italic) d += " italic";
    if (run.underline) d += " underline";
    if (run.family != "Tahoma") d += " " + run.family;
    if (run.size != 11) d += " size=" + ::testing::PrintToString(run.size);
    if (!(run.color == color{})) d += " rgba=" + Rgba(run.color);
    return d;
}

// "start-end", the look and the link.
std::string Describe(const text_run& run) {
    const std::string d = std::to_string(run.start) + "-" + std::to_string(run.end) + Look(run);
    return run.link.empty() ? d : d + " " + run.link;
}

TEST(MarkupParser, VisibleTextAndRuns) {
    struct Case {
        std::string markup, text;
        std::vector<std::string> runs;
    };
    // clang-format off
    const Case cases[] = {
        // The opening p's break merges with X; Z shares a run with the closing p's break.
        {"<html><body><p>X<b>Y</b>Z</p></body></html>", "\nXYZ\n", {"0-2", "2-3 bold", "3-5"}},
        {"<ul>\r\n<li>one</li>\r\n<li>two</li>\r\n</ul>", "\n* one\n* two\n", {"0-13"}},
        {"<b><i>A</i>B</b><u>C</u>", "ABC", {"0-1 bold italic", "1-2 bold", "2-3 underline"}},
        {"<p>a\r\nb</p><p> \t\r\n </p>", "\nab\n\n\n", {"0-6"}},
        {"<font color = \"#1b6936\">G</font>", "G", {"0-1 rgba=27,105,54,255"}},
        {"<font color=\"1b6936\">G</font>", "G", {"0-1 rgba=11,105,54,255"}},  // first one dropped
        {"<font size=3>A</font><font size=\"3\">B</font>", "AB", {"0-1", "1-2 size=12"}},
        {"<font size=\"5pt\" face=\"Verdana\">A</font><font size=\"x\">B</font>", "AB",
         {"0-1 Verdana size=20", "1-2 size=0"}},
        {"<b>A</b>tail", "A", {"0-1 bold"}},
        // Adjacent links of one look share a run, and with it the first target.
        {"<a href=\"one\">A</a><a href=\"two\">B</a><br>", "AB\n",
         {"0-2 underline rgba=0,0,255,255 one", "2-3"}},
        {"<b>A<span>B</span>C</b><br/>", "ABC", {"0-3 bold"}},
        {"<b >A</ b><B>C</B>", "AC", {"0-1 bold", "1-2"}},
        {"<b>1>2</b><b<i>x</i>", "1>2<bx", {"0-3 bold", "3-5", "5-6 italic"}},
        // Text before the first tag is shown; stray closing tags keep the base style.
        {"Hi <b>you</b>", "Hi you", {"0-3", "3-6 bold"}},
        {"</li></b>A<br>", "A\n", {"0-2"}},
        // Positions count UTF-16 units: é is one, an emoji two; invalid bytes show as U+FFFD.
        {"<b>\xC3\xA9</b>\xF0\x9F\x98\x80<i>x</i>", "\xC3\xA9\xF0\x9F\x98\x80x",
         {"0-1 bold", "1-3", "3-4 italic"}},
        {"<b>\xC3</b>\xA9<br>", "\xEF\xBF\xBD\xEF\xBF\xBD\n", {"0-1 bold", "1-3"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        const parsed_markup parsed = parse_markup(c.markup, Base());
        std::vector<std::string> runs;
        for (const text_run& run : parsed.runs) runs.push_back(Describe(run));
        EXPECT_EQ(parsed.text, c.text) << c.markup;
        EXPECT_EQ(runs, c.runs) << c.markup;
    }
}

TEST(MarkupParser, AttributeValues) {
    const std::string_view cases[][3] = {
        {"font color \t= \"red\" size=\"2\"", "color", "red"},
        {"a href=\"x y\"", "href", "x y"},
        {"a href='x' name", "href", "x'"},         // only double quotes quote
        {"font size=13 face=\"x\"", "size", "3"},  // the opening character is dropped
        {"font size=3", "size", ""},               // no closing delimiter
        {"font size=\"3", "size", ""},
        {"font size 3", "size", ""},
        {"font size= ", "size", ""},
        {"font facet=\"a\" face=\"b\"", "face", ""},  // the first occurrence decides
    };
    for (const auto& [tag, name, value] : cases) {
        EXPECT_EQ(get_attribute(tag, name), value) << tag << " / " << name;
    }
}

}  // namespace
