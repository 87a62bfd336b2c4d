#pragma once

#include <string_view>

#include "ui/render/text_run.h"

namespace pelsdk::ui {

// The value of an attribute in a tag as written: after the first occurrence of the name,
// optional whitespace, '=', optional whitespace and one opening character, up to the next
// double quote (when that character was one) or else the next space. "" when any part is
// missing.
std::string_view get_attribute(std::string_view tag, std::string_view name);

// An opening font tag: a non-empty face, size or color changes the style.
void apply_font_attributes(text_run& style, std::string_view tag);
// An opening link tag with a non-empty href: blue, underlined, opening that target.
void apply_link_attributes(text_run& style, std::string_view tag);

}  // namespace pelsdk::ui
