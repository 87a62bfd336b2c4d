#include "platform/win32/dwrite_cluster_boxes.h"

#include <algorithm>

namespace pelsdk::platform {

namespace {

template <typename Metrics, typename Getter>
std::vector<Metrics> all_metrics(Getter get) {
    UINT32 count = 0;
    get(nullptr, 0, &count);
    std::vector<Metrics> found(count);
    if (count == 0 || FAILED(get(found.data(), count, &count))) return {};
    return found;
}

// Where a line of this visible width starts, given the extent of all lines as laid out.
float line_start(IDWriteTextLayout& layout, const DWRITE_TEXT_METRICS& text, float visible_width) {
    const float spare = text.width - visible_width;
    switch (layout.GetTextAlignment()) {
        case DWRITE_TEXT_ALIGNMENT_TRAILING:
            return text.left + spare;
        case DWRITE_TEXT_ALIGNMENT_CENTER:
            return text.left + spare / 2;
        default:
            return text.left;
    }
}

}  // namespace

std::vector<hit_test_box> cluster_boxes(IDWriteTextLayout& layout, text_range range) {
    const auto lines = all_metrics<DWRITE_LINE_METRICS>(
        [&](DWRITE_LINE_METRICS* m, UINT32 n, UINT32* c) { return layout.GetLineMetrics(m, n, c); });
    const auto clusters = all_metrics<DWRITE_CLUSTER_METRICS>(
        [&](DWRITE_CLUSTER_METRICS* m, UINT32 n, UINT32* c) { return layout.GetClusterMetrics(m, n, c); });
    DWRITE_TEXT_METRICS text{};
    if (lines.empty() || clusters.empty() || FAILED(layout.GetMetrics(&text))) return {};

    const UINT32 range_end = range.start + range.length;
    std::vector<hit_test_box> boxes;
    size_t cluster = 0;
    UINT32 position = 0;
    float top = text.top;
    for (const DWRITE_LINE_METRICS& line : lines) {
        const UINT32 line_end = position + line.length;
        const UINT32 visible_end = line_end - line.trailingWhitespaceLength;
        float visible_width = 0;
        for (size_t c = cluster, at = position; c < clusters.size() && at < visible_end;
             at += clusters[c].length, ++c) {
            visible_width += clusters[c].width;
        }
        float x = line_start(layout, text, visible_width);
        float left = 0, right = 0;
        bool touched = false;
        for (; cluster < clusters.size() && position < line_end; position += clusters[cluster++].length) {
            const float width = clusters[cluster].width;
            if (position + clusters[cluster].length > range.start && position < range_end) {
                left = touched ? std::min(left, x) : x;
                right = touched ? std::max(right, x + width) : x + width;
                touched = true;
            }
            x += width;
        }
        if (touched) boxes.push_back({left, top, right - left, line.height});
        top += line.height;
    }
    return boxes;
}

}  // namespace pelsdk::platform
