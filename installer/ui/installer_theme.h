#pragma once

#include <utility>
#include <vector>

#include "ui/theme/theme_map.h"

// One value of the installer's theme overrides.
struct ThemeOverride {
    pelsdk::ui::theme_key key;
    pelsdk::ui::typed_value value;
};

// The installer's overrides of the toolkit's default theme, in the order they are built: its
// dark frame, fonts, pill buttons, progress bar, result lines, popup and embedded pictures.
std::vector<ThemeOverride> InstallerThemeOverrides();

// The overrides as the theme takes them. `browser_back_color` is copied from an absent
// `default_window_back_color`, so both keys are present with empty values: every window and
// browser background reads as transparent, whatever the default theme holds.
pelsdk::ui::theme_map InstallerThemeMap();
