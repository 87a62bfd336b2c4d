#include "ui/render/theme_font.h"

#include "ui/theme/theme_lookup.h"

namespace pelsdk::ui {

void use_theme_font(renderer& drawing, const widget_style& style, const font_keys& keys,
                    bool underline) {
    drawing.set_font(theme_text(style, keys.name), theme_float(style, keys.size),
                     static_cast<font_weight>(theme_int(style, keys.weight)),
                     static_cast<font_style>(theme_int(style, keys.style)), underline);
}

}  // namespace pelsdk::ui
