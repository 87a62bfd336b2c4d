#include "ui/widgets/markup_parser.h"

#include <algorithm>
#include <string>

#include "platform/text_encoding.h"
#include "ui/widgets/markup_tags.h"

namespace pelsdk::ui {

namespace {

bool is_line_end(char c) { return c == '\r' || c == '\n'; }

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
        const tag_meaning tag = classify_tag(token.tag);
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

parsed_markup parse_markup(std::string_view markup, const text_run& base) {
    markup_writer writer(base, markup.size());
    for_each_token(markup, [&writer](const markup_token& token) { writer.write(token); });
    return writer.take();
}

}  // namespace pelsdk::ui
