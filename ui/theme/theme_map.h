#pragma once

#include <unordered_map>

#include "ui/theme/theme_key.h"
#include "ui/theme/theme_value.h"

namespace pelsdk::ui {

// Keyed by hash alone: two key texts with the same hash are one key.
using theme_map = std::unordered_map<theme_key, theme_value, theme_key_hash>;
using theme_alias_map = std::unordered_map<theme_key, theme_key, theme_key_hash>;

}  // namespace pelsdk::ui
