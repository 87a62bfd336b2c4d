#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/render/text_run.h"
#include "ui/widgets/markup_attributes.h"

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

}  // namespace pelsdk::ui
