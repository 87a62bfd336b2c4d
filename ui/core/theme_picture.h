#pragma once

#include "ui/render/image.h"
#include "ui/theme/theme_key.h"

namespace pelsdk::ui {

class widget;

// Loads the picture the widget's theme names under `key`, through the imaging of the widget's
// window, unless it is loaded already. True when this call loaded it: the caller then measures
// or prepares it once.
bool load_theme_picture(image& picture, const widget& owner, const theme_key& key);

}  // namespace pelsdk::ui
