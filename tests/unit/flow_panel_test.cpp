#include "tests/support/widget_scene.h"
#include "ui/widgets/flow_panel.h"
#include "ui/widgets/generic_panel.h"

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace pelsdk::ui {
static void PrintTo(const rect& area, std::ostream* out) {
    *out << "{" << area.x << ", " << area.y << ", " << area.width << ", " << area.height << "}";
}
}  // namespace pelsdk::ui

namespace {

using namespace pelsdk::ui;
using pelsdk::platform::color_f;
using pelsdk::platform::rect_f;

constexpr auto kVertical = flow_orientation::vertical;
constexpr auto kHorizontal = flow_orientation::horizontal;
constexpr size kNoMinimum{INT32_MIN, INT32_MIN};

class FlowPanelTest : public WidgetTest {
protected:
    // A plain child of `length` along the panel's main axis and 10 across, 5 from the edge.
    widget& Child(flow_panel& panel, int32_t length) {
        owned.push_back(std::make_unique<widget>());
        Add(*owned.back(), panel, Sized(panel.orientation, length));
        return *owned.back();
    }
    static rect Sized(flow_orientation orientation, int32_t length) {
        return orientation == kHorizontal ? rect{0, 5, length, 10} : rect{5, 0, 10, length};
    }

    std::vector<std::unique_ptr<widget>> owned;
};

// What a test panel holds, in order. Stretching children are flow panels of the other
// orientation filling their parent's cross size; a same-way one fills it too but along the
// panel, so it does not stretch.
struct Part {
    enum Kind { plain, stretching, hidden_stretching, same_way, flexible, fixed } kind;
    int32_t length = 0;
    size minimum = kNoMinimum;
};
constexpr Part kFlexible{Part::flexible};

TEST_F(FlowPanelTest, StacksChildrenAndSharesTheFreeSpace) {
    struct Case {
        std::string name;
        flow_orientation orientation;
        int32_t panel_length;  // the main size; the cross size is 40
        bool fill_cross;
        std::vector<Part> parts;
        std::vector<rect> placed;  // the widgets' bounds, in order
        bool stable;               // a second layout moves nothing
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"spaces around one child", kHorizontal, 300, false,
         {kFlexible, {Part::plain, 100}, kFlexible}, {{100, 5, 100, 10}}, true},
        {"remainder left empty at the end", kHorizontal, 301, false,
         {kFlexible, {Part::plain, 100}, kFlexible, {Part::plain, 100}},
         {{50, 5, 100, 10}, {200, 5, 100, 10}}, true},
        {"content longer than the panel", kHorizontal, 99, false,
         {kFlexible, {Part::plain, 200}, kFlexible}, {{-50, 5, 200, 10}}, true},
        {"stretching children grow", kVertical, 301, false,
         {{Part::stretching, 50}, {Part::plain, 20}, {Part::stretching, 30}},
         {{5, 0, 10, 150}, {5, 150, 10, 20}, {5, 170, 10, 130}}, true},
        {"a flow panel of the same orientation does not stretch", kHorizontal, 300, false,
         {kFlexible, {Part::same_way, 50}, kFlexible}, {{125, 5, 50, 10}}, true},
        {"a hidden stretching child takes its share", kHorizontal, 300, false,
         {{Part::stretching, 50}, {Part::hidden_stretching, 50}, {Part::stretching, 50}},
         {{0, 5, 116, 10}, {0, 5, 50, 10}, {116, 5, 116, 10}}, false},
        {"fixed spaces", kVertical, 100, false,
         {{Part::fixed, 10}, {Part::plain, 20}, {Part::fixed, 15}, kFlexible, {Part::plain, 30}},
         {{5, 10, 10, 20}, {5, 70, 10, 30}}, true},
        {"fill cross", kHorizontal, 100, true,
         {{Part::plain, 20}, {Part::plain, 30}}, {{0, 5, 20, 40}, {20, 5, 30, 40}}, true},
        {"minimum size raises but does not push", kVertical, 100, false,
         {{Part::plain, 20, {30, 25}}, {Part::plain, 30}}, {{5, 0, 30, 25}, {5, 20, 10, 30}},
         false},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        owned.clear();
        const bool across = c.orientation == kHorizontal;
        flow_panel panel(c.orientation);
        panel.fill_cross = c.fill_cross;
        Add(panel, across ? rect{0, 0, c.panel_length, 40} : rect{0, 0, 40, c.panel_length});
        std::vector<widget*> widgets;
        std::vector<rect> starts;
        for (const Part& part : c.parts) {
            if (part.kind == Part::flexible) panel.add_flexible_space();
            if (part.kind == Part::fixed) panel.add_fixed_space(part.length);
            if (part.kind == Part::flexible || part.kind == Part::fixed) continue;
            if (part.kind == Part::plain) {
                widgets.push_back(&Child(panel, part.length));
            } else {
                const bool other_way = part.kind != Part::same_way;
                auto inner = std::make_unique<flow_panel>(across == other_way ? kVertical
                                                                              : kHorizontal);
                inner->fill_parent_cross = true;
                Add(*inner, panel, {});
                if (part.kind == Part::hidden_stretching) inner->set_shown(false);
                widgets.push_back(owned.emplace_back(std::move(inner)).get());
            }
            widgets.back()->min_size = part.minimum;
            starts.push_back(Sized(c.orientation, part.length));
        }
        // Inner panels fitted themselves to the panel when created: start from known sizes.
        for (size_t i = 0; i < widgets.size(); ++i) widgets[i]->set_bounds(starts[i], true);
        panel.layout();
        std::vector<rect> placed;
        for (const widget* w : widgets) placed.push_back(w->bounds);
        EXPECT_EQ(placed, c.placed);
        if (!c.stable) continue;
        panel.layout();
        for (size_t i = 0; i < widgets.size(); ++i) EXPECT_EQ(widgets[i]->bounds, c.placed[i]);
    }
}

TEST_F(FlowPanelTest, SizesToContentAndForgetsRemovedChildren) {
    flow_panel panel(kVertical, {.size_to_content = true, .watch_child_sizes = true});
    panel.min_size = {INT32_MIN, 50};
    Add(panel, win->root, {10, 10, 40, 200});
    EXPECT_EQ(panel.bounds.height, 50) << "an empty panel shrinks to its minimum when created";
    widget& first = Child(panel, 20);
    widget& second = Child(panel, 30);
    widget& third = Child(panel, 40);
    EXPECT_EQ(panel.bounds, (rect{10, 10, 40, 90}));
    second.set_shown(false);
    EXPECT_EQ(third.bounds.y, 20);
    EXPECT_EQ(second.bounds.y, 20) << "a hidden child keeps its bounds";
    first.set_shown(false);
    EXPECT_EQ(panel.bounds.height, 50) << "raised to the minimum";
    first.set_shown(true);
    second.set_shown(true);
    EXPECT_EQ(third.bounds.y, 50);

    panel.remove_child(&second);
    EXPECT_EQ(panel.items.size(), 2u);
    EXPECT_EQ(panel.bounds.height, 90) << "no layout on removal";
    second.set_bounds({5, 20, 10, 100}, true);
    second.set_shown(false);
    EXPECT_EQ(panel.bounds.height, 90) << "the removed child's events no longer reach the panel";
    first.set_bounds({5, 0, 10, 25}, true);
    EXPECT_EQ(panel.bounds.height, 65);
    EXPECT_EQ(third.bounds.y, 25);
}

TEST_F(FlowPanelTest, LaysOutAgainWhenAWatchedChildResizes) {
    struct Case {
        flow_orientation orientation;
        bool watch;
        size resized_to;       // the first child's new size; it was 20 long and 10 across
        int32_t panel_length;  // 999 when no layout ran
    };
    const Case cases[] = {
        {kVertical, true, {10, 50}, 80},   {kVertical, true, {25, 20}, 999},
        {kVertical, false, {10, 50}, 999}, {kHorizontal, true, {50, 10}, 80},
        {kHorizontal, true, {20, 25}, 50}, {kHorizontal, false, {50, 10}, 999},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        owned.clear();
        const bool across = c.orientation == kHorizontal;
        flow_panel panel(c.orientation, {.size_to_content = true, .watch_child_sizes = c.watch});
        Add(panel, {});
        widget& first = Child(panel, 20);
        Child(panel, 30);
        // A main size no layout would give, to tell whether one ran.
        panel.set_bounds(across ? rect{0, 0, 999, 40} : rect{0, 0, 40, 999}, true);
        const rect was = first.bounds;
        first.set_bounds({was.x, was.y, c.resized_to.width, c.resized_to.height}, true);
        EXPECT_EQ(across ? panel.bounds.width : panel.bounds.height, c.panel_length);
    }
}

TEST_F(FlowPanelTest, FollowsItsParentsSize) {
    struct Case {
        std::string name;
        flow_orientation orientation;
        bool fill_parent_cross, size_to_content, flexible;
        size minimum;
        rect created;  // in a parent of 200 x 100, from {10, 20, 50, 30}
        rect grown;    // once the parent is 300 x 150
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"horizontal, flexible", kHorizontal, true, false, true, kNoMinimum,
         {10, 20, 190, 80}, {10, 20, 290, 130}},
        {"horizontal, cross only", kHorizontal, true, false, false, kNoMinimum,
         {10, 20, 50, 80}, {10, 20, 50, 130}},
        {"vertical, flexible", kVertical, true, false, true, kNoMinimum,
         {10, 20, 190, 80}, {10, 20, 290, 130}},
        {"vertical, cross only", kVertical, true, false, false, kNoMinimum,
         {10, 20, 190, 30}, {10, 20, 290, 30}},
        {"vertical, sized to content", kVertical, false, true, true, kNoMinimum,
         {10, 20, 50, 80}, {10, 20, 50, 130}},
        {"minimum size", kHorizontal, true, false, true, {250, 90},
         {10, 20, 250, 90}, {10, 20, 290, 130}},
        {"flexible alone does not follow", kHorizontal, false, false, true, kNoMinimum,
         {10, 20, 50, 30}, {10, 20, 50, 30}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        owned.clear();
        widget holder;
        Add(holder, {0, 0, 200, 100});
        flow_panel panel(c.orientation, {.size_to_content = c.size_to_content});
        panel.fill_parent_cross = c.fill_parent_cross;
        panel.min_size = c.minimum;
        // The flexible space must be known before creation for the panel to fit at once.
        if (c.flexible) panel.add_flexible_space();
        Add(panel, holder, {10, 20, 50, 30});
        EXPECT_EQ(panel.bounds, c.created);
        widget& child = Child(panel, 20);
        if (c.flexible) panel.add_flexible_space();
        holder.set_bounds({0, 0, 300, 150}, true);
        EXPECT_EQ(panel.bounds, c.grown);
        if (c.grown == c.created || !c.flexible) continue;
        const bool across = c.orientation == kHorizontal;
        const int32_t main = across ? c.grown.width : c.grown.height;
        EXPECT_EQ(across ? child.bounds.x : child.bounds.y, (main - 20) / 2) << "centred";
    }
}

TEST_F(FlowPanelTest, PanelsPaintTheirBackgroundAndASolidBorder) {
    generic_panel framed, plain;
    flow_panel flow(kVertical);
    Add(framed, {10, 20, 100, 50});
    Add(plain, {0, 100, 50, 50});
    Add(flow, {200, 0, 60, 40});
    framed.style.set_value("default_back_color", color{1, 0, 0, 1});
    framed.style.set_value("default_border_color", color{0, 0, 1, 1});
    host->invalidated.clear();
    framed.style.set_value("default_border_width", 3.0f);
    EXPECT_EQ(host->invalidated, (std::vector<pelsdk::platform::int_rect>{{10, 20, 100, 50}}))
        << "a theme change repaints";
    flow.style.set_value("default_back_color", color{0, 1, 0, 1});
    flow.style.set_value("default_border_color", color{0, 0, 1, 1});
    win->drawing().set_stroke_style(stroke_style::dotted);  // as a focus box leaves it
    Paint();

    // The plain panel's default colours are transparent: it draws nothing.
    const auto fills = Drawn("fill_rectangle");
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[0].geometry, (rect_f{10, 20, 110, 70}));
    EXPECT_EQ(fills[0].color, (color_f{1, 0, 0, 1}));
    EXPECT_EQ(fills[1].geometry, (rect_f{200, 0, 260, 40}));
    EXPECT_EQ(fills[1].color, (color_f{0, 1, 0, 1}));
    const auto outlines = Drawn("draw_rectangle");
    ASSERT_EQ(outlines.size(), 1u) << "a flow panel has no border";
    EXPECT_EQ(outlines[0].geometry, (rect_f{11.5f, 21.5f, 108.5f, 68.5f}));
    EXPECT_EQ(outlines[0].width, 3.0f);
    EXPECT_EQ(outlines[0].color, (color_f{0, 0, 1, 1}));
    EXPECT_TRUE(outlines[0].dashes.empty()) << "solid";
}

}  // namespace
