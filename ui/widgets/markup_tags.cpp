#include "ui/widgets/markup_tags.h"

#include <iterator>

namespace pelsdk::ui {

namespace {

struct tag_form {
    std::string_view name;
    tag_kind kind;
    bool any_ending;  // the opening form is anything that starts with the name
    bool can_close;
};

// In the order they are tried: the first match wins.
constexpr tag_form kTagForms[] = {
    {"html", tag_kind::html, false, true}, {"body", tag_kind::body, false, true},
    {"p", tag_kind::p, false, true},       {"b", tag_kind::b, false, true},
    {"u", tag_kind::u, false, true},       {"font", tag_kind::font, true, true},
    {"ul", tag_kind::ul, false, true},     {"li", tag_kind::li, false, true},
    {"i", tag_kind::i, false, true},       {"br", tag_kind::br, false, false},
    {"a", tag_kind::a, true, true},
};

}  // namespace

// Whitespace is dropped before comparing, so "<b >" is b and "<font size=...>" is font. Six
// characters tell every form apart: the longest exact form has five.
tag_meaning classify_tag(std::string_view tag) {
    char bare[6];
    size_t length = 0;
    for (size_t i = 0; i < tag.size() && length < std::size(bare); ++i) {
        if (!is_markup_whitespace(tag[i])) bare[length++] = tag[i];
    }
    const std::string_view name(bare, length);
    for (const tag_form& form : kTagForms) {
        if (form.any_ending ? name.starts_with(form.name) : name == form.name) {
            return {form.kind, false};
        }
        if (form.can_close && name.starts_with('/') && name.substr(1) == form.name) {
            return {form.kind, true};
        }
    }
    return {};
}

}  // namespace pelsdk::ui
