#pragma once

#include <vector>

#include "ui/theme/theme_map.h"

namespace pelsdk::ui {

struct default_theme_entry {
    theme_key key;
    value_kind kind;
    theme_value value;
};

// The toolkit's table of defaults, in its fixed order; a key that stands twice keeps its first
// entry's value.
std::vector<default_theme_entry> default_theme_table();

// The bottom layer of every lookup, built from the table before main runs.
const theme_map& default_theme();

}  // namespace pelsdk::ui
