#pragma once

#include "ui/core/widget.h"
#include "ui/core/widget_geometry.h"
#include "ui/render/renderer.h"

// Begins a widget's drawing as the window's paint walk does, under its parent's transform (none
// for a widget at the top); returns the widget's own transform for its children.
inline pelsdk::platform::matrix_f BeginWidget(pelsdk::ui::renderer& drawing,
                                              const pelsdk::ui::widget& painted,
                                              const pelsdk::ui::update_area& update,
                                              const pelsdk::platform::matrix_f& parent = {1, 0, 0, 1, 0, 0}) {
    const pelsdk::platform::matrix_f transform = pelsdk::ui::drawing_transform(parent, painted);
    drawing.begin_widget(transform, {painted.bounds.width, painted.bounds.height}, update);
    return transform;
}
