#pragma once

#include <dwrite.h>

#include <vector>

#include "platform/render_backend.h"

namespace pelsdk::platform {

// The boxes of a character range (one per line it touches), worked out from the layout's line
// and cluster metrics: for DirectWrite implementations without hit testing (Wine's answers
// E_NOTIMPL), so that link areas still cover their text there. Empty when the metrics fail.
std::vector<hit_test_box> cluster_boxes(IDWriteTextLayout& layout, text_range range);

}  // namespace pelsdk::platform
