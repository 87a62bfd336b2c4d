#include "ui/widgets/markup_parser.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <string>

#include "platform/text_encoding.h"

namespace pelsdk::ui {

namespace {

// Space, tab, line feed, vertical tab, form feed and carriage return.
bool is_whitespace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool is_line_end(char c) { return c == '\r' || c == '\n'; }

size_t skip_whitespace(std::string_view text, size_t from) {
    while (from < text.size() && is_whitespace(text[from])) ++from;
    return from;
}

// A tag as written (between '<' and '>') and the text written before it.
struct markup_token {
    std::string_view tag;
    std::string_view text;
};

// Calls on_token for each tag in order. Text after the last tag belongs to no token and is not
// shown. Text before the first tag is shown, in the base style, as if a tag preceded it: nothing
// the author wrote is lost silently.
template <typename OnToken>
void for_each_token(std::string_view markup, OnToken on_token) {
    bool in_tag = false;
    size_t tag_start = 0;
    size_t text_start = 0;  // just past the previous tag's '>'
    std::string_view pending;
    for (size_t i = 0; i < markup.size(); ++i) {
        if (markup[i] == '<') {
            // A second '<' restarts the tag: what the first one began is text.
            in_tag = true;
            tag_start = i + 1;
            pending = markup.substr(text_start, i - text_start);
            if (std::all_of(pending.begin(), pending.end(), is_whitespace)) pending = {};
        } else if (markup[i] == '>' && in_tag) {
            in_tag = false;
            on_token(markup_token{markup.substr(tag_start, i - tag_start), pending});
            text_start = i + 1;
        }
    }
}

enum class tag_kind { ignored, html, body, p, b, u, font, ul, li, i, br, a };

struct tag_meaning {
    tag_kind kind = tag_kind::ignored;
    bool closing = false;
};

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

// Whitespace is dropped before comparing, so "<b >" is b and "<font size=...>" is font. Six
// characters tell every form apart: the longest exact form has five.
tag_meaning classify(std::string_view tag) {
    char bare[6];
    size_t length = 0;
    for (size_t i = 0; i < tag.size() && length < std::size(bare); ++i) {
        if (!is_whitespace(tag[i])) bare[length++] = tag[i];
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

// 4 dips per unit of the unsigned decimal number the value starts with: size 3 is 12 dips.
// No number, a sign, or a size too large to draw reads as 0.
float font_size_of(std::string_view value) {
    float number = 0;
    if (std::isdigit(static_cast<unsigned char>(value[0])) || value[0] == '.') {
        std::from_chars(value.data(), value.data() + value.size(), number,
                        std::chars_format::fixed);
    }
    const float size = 4.0f * number;
    return std::isfinite(size) ? size : 0.0f;
}

// The characters after the first one (the '#') as "%06X" scans them; a failed scan is black.
color font_color_of(std::string_view value) {
    const std::string digits(value.substr(1));
    unsigned int v = 0;
    if (std::sscanf(digits.c_str(), "%06X", &v) != 1) v = 0;
    return {static_cast<float>((v >> 16) & 0xFF) / 255.0f,
            static_cast<float>((v >> 8) & 0xFF) / 255.0f, static_cast<float>(v & 0xFF) / 255.0f,
            1.0f};
}

void apply_font_attributes(text_run& style, std::string_view tag) {
    if (const std::string_view face = get_attribute(tag, "face"); !face.empty()) {
        style.family = face;
    }
    if (const std::string_view size = get_attribute(tag, "size"); !size.empty()) {
        style.size = font_size_of(size);
    }
    if (const std::string_view value = get_attribute(tag, "color"); !value.empty()) {
        style.color = font_color_of(value);
    }
}

void apply_link_attributes(text_run& style, std::string_view tag) {
    const std::string_view href = get_attribute(tag, "href");
    if (href.empty()) return;
    style.color = {0, 0, 1, 1};
    style.underline = true;
    style.link = href;
}

// Everything but the range and the link: adjacent links of one look share a run.
bool same_look(const text_run& a, const text_run& b) {
    return a.weight == b.weight && a.style == b.style && a.underline == b.underline &&
           a.family == b.family && a.size == b.size && a.color == b.color;
}

// Writes the tokens into the visible text and its runs, with a stack of styles.
class markup_writer {
public:
    markup_writer(const text_run& base, size_t expected_size) : styles_{base} {
        out_.text.reserve(expected_size);
    }

    void write(const markup_token& token) {
        const tag_meaning tag = classify(token.tag);
        const uint32_t start = units_;
        if (bullet_pending_ && !std::all_of(token.text.begin(), token.text.end(), is_line_end)) {
            append("* ");
            bullet_pending_ = false;
        }
        append_text(token.text);
        apply_text_effect(tag);
        if (units_ > start) style_range(start);
        apply_style_change(tag, token.tag);
    }

    parsed_markup take() { return std::move(out_); }

private:
    // Invalid UTF-8 is kept as U+FFFD, as drawing would show it anyway: the text stays valid, so
    // pieces written apart never join into one character and positions stay exact.
    void append(std::string_view piece) {
        std::string checked;
        if (std::any_of(piece.begin(), piece.end(), [](char c) { return c & 0x80; })) {
            checked = platform::wide_to_utf8(platform::utf8_to_wide(piece));
            piece = checked;
        }
        for (char c : piece) {
            const auto byte = static_cast<unsigned char>(c);
            if ((byte & 0xC0) != 0x80) ++units_;  // a character starts here
            if (byte >= 0xF0) ++units_;           // beyond 16 bits: a surrogate pair
        }
        out_.text += piece;
    }

    // CR and LF never show: lines come from the tags.
    void append_text(std::string_view text) {
        if (std::none_of(text.begin(), text.end(), is_line_end)) return append(text);
        std::string kept(text);
        std::erase_if(kept, is_line_end);
        append(kept);
    }

    void line_break() { append("\n"); }

    void apply_text_effect(const tag_meaning& tag) {
        switch (tag.kind) {
            case tag_kind::p:
            case tag_kind::br:
                line_break();
                break;
            case tag_kind::ul:
                if (!tag.closing) line_break();
                break;
            case tag_kind::li:
                bullet_pending_ = !tag.closing;
                // An empty text counts as ending with a break: a leading </li> adds no blank line.
                if (tag.closing && !out_.text.empty() && out_.text.back() != '\n') line_break();
                break;
            default:
                break;
        }
    }

    // The characters just written take the style in force before the tag.
    void style_range(uint32_t start) {
        const text_run& style = styles_.back();
        if (!out_.runs.empty() && same_look(out_.runs.back(), style)) {
            out_.runs.back().end = units_;
            return;
        }
        text_run run = style;
        run.start = start;
        run.end = units_;
        out_.runs.push_back(std::move(run));
    }

    void apply_style_change(const tag_meaning& tag, std::string_view written) {
        if (tag.kind == tag_kind::ignored || tag.kind == tag_kind::br) return;
        if (tag.closing) {
            // The base style is never popped: a stray closing tag leaves it in force.
            if (styles_.size() > 1) styles_.pop_back();
            return;
        }
        text_run style = styles_.back();
        if (tag.kind == tag_kind::b) style.weight = font_weight::bold;
        if (tag.kind == tag_kind::i) style.style = font_style::italic;
        if (tag.kind == tag_kind::u) style.underline = true;
        if (tag.kind == tag_kind::font) apply_font_attributes(style, written);
        if (tag.kind == tag_kind::a) apply_link_attributes(style, written);
        styles_.push_back(std::move(style));
    }

    parsed_markup out_;
    uint32_t units_ = 0;  // length of out_.text in UTF-16 code units
    bool bullet_pending_ = false;
    std::vector<text_run> styles_;
};

}  // namespace

std::string_view get_attribute(std::string_view tag, std::string_view name) {
    const size_t found = tag.find(name);
    if (found == std::string_view::npos) return {};
    size_t at = skip_whitespace(tag, found + name.size());
    if (at == tag.size() || tag[at] != '=') return {};
    at = skip_whitespace(tag, at + 1);
    if (at == tag.size()) return {};
    const size_t end = tag.find(tag[at] == '"' ? '"' : ' ', at + 1);
    if (end == std::string_view::npos) return {};
    return tag.substr(at + 1, end - at - 1);
}

parsed_markup parse_markup(std::string_view markup, const text_run& base) {
    markup_writer writer(base, markup.size());
    for_each_token(markup, [&writer](const markup_token& token) { writer.write(token); });
    return writer.take();
}

}  // namespace pelsdk::ui
