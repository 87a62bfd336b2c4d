#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/core/widget.h"
#include "ui/render/text_run.h"

namespace pelsdk::ui {

class renderer;

// A clickable stretch of a rich label, in label coordinates.
struct link_area {
    rect area;
    std::string target;
    std::string text;  // as shown, what a screen reader reads
};

// The directions in which a label sizes itself to its text.
enum class text_fit : uint8_t { none = 0, width = 1, height = 2, both = 3 };

// Shows plain text in the theme's label font, or rich text written in the label markup with
// clickable links. It can size itself to its text in either direction.
class text_label : public widget {
public:
    text_label();

    // Leaves `rich` and `runs` alone: switching a rich label to plain text clears `rich` first.
    void set_text(std::string value, text_fit fit = text_fit::none);
    void set_markup(std::string_view markup, text_fit fit = text_fit::none);
    // Rebuilds `text` and `runs` from the markup, starting from the theme's label font.
    void parse_markup(std::string_view markup);
    // Resizes the label to its text in the directions its auto flags ask for.
    void fit_to_text();
    // Rebuilds `links` from the runs that carry one. Links keep their areas until the next
    // set_markup, even when the label is resized.
    void layout_links();

    // Static text named by its text, tags left out; its links are its parts.
    std::optional<access_description> describe() const override;
    std::vector<access_part> access_parts() const override;

    std::string text;
    bool rich = false;
    std::vector<text_run> runs;
    std::vector<link_area> links;
    bool auto_width = false;
    bool auto_height = false;

private:
    void paint();
    void on_mouse_move();
    void on_mouse_up();

    // Measuring needs the window's renderer: a label not yet in a created window measures
    // nothing and keeps its size and links.
    bool can_measure() const;
    void use_font(renderer& draw) const;
    void use_alignment(renderer& draw) const;
    // A plain label draws, and so measures, without its runs, which may be left from markup.
    const std::vector<text_run>& drawn_runs() const;
    // The box text is laid out in: an auto direction is unbounded (0).
    size layout_limit() const;
    // The first link whose area holds the point, edges included on all four sides; null if none.
    const link_area* link_at(const point& at) const;
};

}  // namespace pelsdk::ui
