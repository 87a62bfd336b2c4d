#include "installer/ui/page_layout.h"

#include <algorithm>
#include <cstdio>

#include "ui/theme/theme_lookup.h"

using pelsdk::ui::rect;
using pelsdk::ui::size;
using pelsdk::ui::widget;

rect PageArea(const widget& root) {
    const int32_t banner = pelsdk::ui::theme_pair(root.style, "banner_size").width;
    const int32_t header = pelsdk::ui::theme_int(root.style, "header_size");
    const int32_t footer = pelsdk::ui::theme_int(root.style, "footer_size");
    return {banner, header, root.bounds.width - banner, root.bounds.height - footer - header};
}

int32_t Below(const widget& above) { return above.bounds.y + above.bounds.height + kColumnGap; }

// Widgets beside the column, such as the link after the Welcome sentence, do not widen it.
size ColumnSize(const widget& page, const widget& last) {
    int32_t width = 0;
    for (const widget* child : page.children) {
        if (child->bounds.x == 0) width = std::max(width, child->bounds.width);
    }
    return {width, Below(last)};
}

rect CenteredPage(const rect& area, const size& column, const size& minimum) {
    return raised_to_min_size(
        {area.x + (area.width - column.width) / 2, area.y + (area.height - column.height) / 2,
         column.width, column.height},
        minimum);
}

void CenterColumn(widget& page, const widget& last, const rect& area) {
    page.set_bounds(CenteredPage(area, ColumnSize(page, last), page.min_size), true);
}

void UseTransparentBack(widget& label) {
    label.style.set_value("default_back_color", pelsdk::ui::color{0, 0, 0, 0});
}

void UseTitleLook(widget& label) {
    label.style.set_alias("label_font_size", "title_font_size");
    label.style.set_alias("label_font_weight", "title_font_weight");
    label.style.set_alias("label_font_color", "title_font_color");
    label.style.set_alias("label_font_name", "title_font_name");
}

void UseIntroLook(widget& label) {
    label.style.set_alias("label_text_valign", "label_intro_text_valign");
    label.style.set_alias("label_font_size", "intro_font_size");
    label.style.set_alias("label_font_name", "intro_font_name");
    label.style.set_alias("label_font_color", "intro_font_color");
}

void UseNoteLook(widget& label) {
    label.style.set_alias("label_text_valign", "label_intro_text_valign");
    label.style.set_alias("label_font_size", "intro_version_font_size");
    label.style.set_alias("label_font_name", "intro_font_name");
    label.style.set_alias("label_font_color", "intro_version_font_color");
    label.style.set_alias("label_font_style", "intro_version_font_style");
}

void FitHeight(pelsdk::ui::text_label& label, std::string text) {
    label.set_text(std::move(text), pelsdk::ui::text_fit::height);
}

void FitWidth(pelsdk::ui::text_label& label, std::string text) {
    label.set_text(std::move(text), pelsdk::ui::text_fit::width);
}

// The figure as a default stream writes it (six significant digits, no trailing zeros).
std::string FreeSpaceText(float megabytes) {
    char text[96];
    std::snprintf(text, sizeof text, "At least %g MB of free disk space is required.", megabytes);
    return text;
}
