#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/render/text_run.h"

namespace pelsdk::ui {

// What a rich label shows: its visible text (UTF-8) and the styled runs that tile it.
struct parsed_markup {
    std::string text;
    std::vector<text_run> runs;
};

// Turns label markup (html, body, p, br, b, i, u, ul, li, font, a) into visible text and runs,
// starting from the base style. Run positions count UTF-16 code units of the text. Any input,
// however unbalanced or malformed, gives a defined result.
parsed_markup parse_markup(std::string_view markup, const text_run& base);

// The value of an attribute in a tag as written: after the first occurrence of the name,
// optional whitespace, '=', optional whitespace and one opening character, up to the next
// double quote (when that character was one) or else the next space. "" when any part is
// missing.
std::string_view get_attribute(std::string_view tag, std::string_view name);

}  // namespace pelsdk::ui
