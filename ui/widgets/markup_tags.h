#pragma once

#include <algorithm>
#include <string_view>

namespace pelsdk::ui {

// Space, tab, line feed, vertical tab, form feed and carriage return.
inline bool is_markup_whitespace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

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
            if (std::all_of(pending.begin(), pending.end(), is_markup_whitespace)) pending = {};
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

// What a tag as written means; tags that match no form are ignored.
tag_meaning classify_tag(std::string_view tag);

}  // namespace pelsdk::ui
