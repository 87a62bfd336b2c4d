#include "ui/core/theme_picture.h"

#include "ui/core/window.h"
#include "ui/theme/theme_lookup.h"

namespace pelsdk::ui {

bool load_theme_picture(image& picture, const widget& owner, const theme_key& key) {
    if (picture.is_loaded()) return false;
    return load_image(picture, owner.window->platform().imaging, theme_image(owner.style, key));
}

}  // namespace pelsdk::ui
