#pragma once

#include "ui/render/renderer.h"
#include "ui/theme/theme_key.h"
#include "ui/theme/widget_style.h"

namespace pelsdk::ui {

// The four keys under which a theme names a font.
struct font_keys {
    theme_key name, size, weight, style;
};

// Makes the font the style names under those keys the renderer's current font.
void use_theme_font(renderer& drawing, const widget_style& style, const font_keys& keys,
                    bool underline);

}  // namespace pelsdk::ui
