#pragma once

#include <cstdint>

namespace pelsdk::ui {

// Values as the theme stores them; unknown values fall back as noted.
enum class font_weight : int32_t { normal = 0, light = 1, bold = 2 };      // else normal
enum class font_style : int32_t { normal = 0, italic = 1 };                  // else normal
enum class text_align : int32_t { left = 0, center = 1, right = 2 };        // else center
enum class text_valign : int32_t { center = 0, top = 1, bottom = 2 };       // else center
enum class stroke_style : int32_t { solid = 0, dotted = 1, dashed = 2 };

}  // namespace pelsdk::ui
