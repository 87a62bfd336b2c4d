#include "ui/widgets/text_label.h"

#include <algorithm>

#include "platform/text_encoding.h"
#include "ui/core/window.h"
#include "ui/render/theme_font.h"
#include "ui/theme/theme_lookup.h"
#include "ui/widgets/markup_parser.h"

namespace pelsdk::ui {

namespace {
const std::vector<text_run> kNoRuns;
}  // namespace

text_label::text_label() {
    listen(*this, event_type::paint, [this](const event_info&) { paint(); });
    listen(*this, event_type::style_changed, [this](const event_info&) {
        fit_to_text();
        invalidate(false);
    });
    listen(*this, event_type::mouse_move, [this](const event_info&) { on_mouse_move(); });
    listen(*this, event_type::mouse_up, [this](const event_info&) { on_mouse_up(); });
}

namespace {

// The UTF-8 bytes of UTF-16 units [start, end) of the text: a code point beyond U+FFFF counts two.
std::string utf8_slice(const std::string& text, uint32_t start, uint32_t end) {
    size_t from = text.size(), to = text.size();
    uint32_t units = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) == 0x80) continue;  // a continuation byte
        if (units == start) from = std::min(from, i);
        if (units == end) {
            to = i;
            break;
        }
        units += byte >= 0xF0 ? 2 : 1;
    }
    return from < to ? text.substr(from, to - from) : std::string();
}

bool fits(text_fit fit, text_fit direction) {
    return (static_cast<uint8_t>(fit) & static_cast<uint8_t>(direction)) != 0;
}

}  // namespace

void text_label::set_text(std::string value, text_fit fit) {
    text = std::move(value);
    auto_width = fits(fit, text_fit::width);
    auto_height = fits(fit, text_fit::height);
    fit_to_text();
    invalidate(false);
    announce(platform::access_event::name_changed);
}

void text_label::set_markup(std::string_view markup, text_fit fit) {
    rich = true;
    auto_width = fits(fit, text_fit::width);
    auto_height = fits(fit, text_fit::height);
    parse_markup(markup);
    fit_to_text();
    layout_links();
    invalidate(false);
    announce(platform::access_event::name_changed);
}

void text_label::parse_markup(std::string_view markup) {
    text_run base;
    base.family = theme_text(style, "label_font_name");
    base.size = theme_float(style, "label_font_size");
    parsed_markup parsed = ui::parse_markup(markup, base);
    text = std::move(parsed.text);
    runs = std::move(parsed.runs);
}

void text_label::fit_to_text() {
    if ((!auto_width && !auto_height) || !can_measure()) return;
    renderer& draw = window->drawing();
    use_font(draw);
    use_alignment(draw);
    const size measured =
        text.empty() ? size{0, 0} : draw.measure_text(text, layout_limit(), drawn_runs());
    const int32_t width = auto_width ? measured.width + 1 : bounds.width;
    const int32_t height = auto_height ? measured.height + 1 : bounds.height;
    set_bounds(
        {bounds.x, bounds.y, std::max(width, min_size.width), std::max(height, min_size.height)},
        true);
}

void text_label::layout_links() {
    links.clear();
    if (!can_measure()) return;
    renderer& draw = window->drawing();
    use_font(draw);
    use_alignment(draw);
    std::vector<const text_run*> linked;
    std::vector<character_range> ranges;
    for (const text_run& run : runs) {
        if (run.link.empty()) continue;
        linked.push_back(&run);
        ranges.push_back({run.start, run.end});
    }
    // A wrapped link gets one box.
    const std::vector<rect> boxes = draw.text_range_bounds(text, ranges, layout_limit(), runs);
    for (size_t i = 0; i < linked.size(); ++i) {
        links.push_back({boxes[i], linked[i]->link, utf8_slice(text, linked[i]->start, linked[i]->end)});
    }
}

// An empty label has nothing to read.
std::optional<access_description> text_label::describe() const {
    if (text.empty()) return std::nullopt;
    access_description description = described_as(platform::access_role::static_text, text);
    description.states = platform::access_state::read_only;
    return description;
}

// A link's default action is the click that opens it.
std::vector<access_part> text_label::access_parts() const {
    std::vector<access_part> parts;
    for (const link_area& link : links) {
        access_description description = described_as(platform::access_role::link, link.text);
        description.value = link.target;
        description.default_action = "Jump";
        parts.push_back({description, link.area});
    }
    return parts;
}

void text_label::paint() {
    const rect area{0, 0, bounds.width, bounds.height};
    renderer& draw = window->drawing();
    draw.set_fill_color(theme_color(style, "default_back_color"));
    draw.fill_rect(area);
    // The stroke style is shared by the whole window: a focus box may have left it dotted.
    draw.set_stroke_style(stroke_style::solid);
    draw.set_stroke(theme_color(style, "default_border_color"), 1.0f);
    draw.draw_rect(area);

    color text_color = theme_color(style, "label_font_color");
    if (!is_enabled()) text_color.a = 0.5f;
    draw.set_text_color(text_color);
    use_alignment(draw);
    // Rich runs carry every font property; plain text takes the theme's label font.
    if (!rich) use_font(draw);
    if (!text.empty()) draw.draw_text(area, text, drawn_runs());
}

void text_label::on_mouse_move() {
    if (!rich) return;
    const bool over_link = link_at(window->pointer_position(*this)) != nullptr;
    window->host().set_cursor(over_link ? platform::cursor_shape::hand
                                        : platform::cursor_shape::arrow);
}

void text_label::on_mouse_up() {
    if (!rich) return;
    if (const link_area* link = link_at(window->pointer_position(*this))) {
        window->platform().launcher.open(platform::utf8_to_wide(link->target));
    }
}

bool text_label::can_measure() const { return window != nullptr && window->created; }

void text_label::use_font(renderer& draw) const {
    use_theme_font(draw, style,
                   {"label_font_name", "label_font_size", "label_font_weight", "label_font_style"},
                   theme_bool(style, "label_text_underlined"));
}

void text_label::use_alignment(renderer& draw) const {
    draw.set_text_align(static_cast<text_align>(theme_int(style, "label_text_align")),
                        static_cast<text_valign>(theme_int(style, "label_text_valign")));
}

const std::vector<text_run>& text_label::drawn_runs() const { return rich ? runs : kNoRuns; }

size text_label::layout_limit() const {
    return {auto_width ? 0 : bounds.width, auto_height ? 0 : bounds.height};
}

const link_area* text_label::link_at(const point& at) const {
    for (const link_area& link : links) {
        if (contains_inclusive(link.area, at)) return &link;
    }
    return nullptr;
}

}  // namespace pelsdk::ui
