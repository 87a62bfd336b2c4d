#pragma once

#include <string>

#include "ui/core/widget.h"
#include "ui/core/window.h"
#include "ui/widgets/text_label.h"

// What the wizard's pages share: their area, the column rule and the label looks.

// The gap between two widgets of a page's column.
inline constexpr int32_t kColumnGap = 15;

// The area right of the banner, between the header and the footer bands, in root coordinates.
pelsdk::ui::rect PageArea(const pelsdk::ui::widget& root);

// Where the next widget of a column starts.
int32_t Below(const pelsdk::ui::widget& above);

// The extent of a page's column: the widest of the widgets standing at x = 0, and the bottom of
// `last` plus a gap, whether `last` is shown or not.
pelsdk::ui::size ColumnSize(const pelsdk::ui::widget& page, const pelsdk::ui::widget& last);
// The page's bounds that centre a column of that size in the area, in integer halves.
pelsdk::ui::rect CenteredPage(const pelsdk::ui::rect& area, const pelsdk::ui::size& column,
                              const pelsdk::ui::size& minimum);
// Re-places the page so that its column, ending with `last`, is centred in the area.
void CenterColumn(pelsdk::ui::widget& page, const pelsdk::ui::widget& last,
                  const pelsdk::ui::rect& area);

// Label looks, by theme aliases. Every label of a page starts transparent.
void UseTransparentBack(pelsdk::ui::widget& label);
void UseTitleLook(pelsdk::ui::widget& label);
void UseIntroLook(pelsdk::ui::widget& label);
// The small italic line under a page's text: the Welcome version and the free-space line.
void UseNoteLook(pelsdk::ui::widget& label);

// Plain text that keeps the label's width and takes its height, or the reverse.
void FitHeight(pelsdk::ui::text_label& label, std::string text);
void FitWidth(pelsdk::ui::text_label& label, std::string text);

// "At least ... MB of free disk space is required.", the figure as a default stream writes it.
std::string FreeSpaceText(float megabytes);
