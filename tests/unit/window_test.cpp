#include <gtest/gtest.h>

#include <memory>

#include "tests/support/host_of.h"
#include "tests/support/widget_scene.h"
#include "ui/widgets/tooltip.h"

namespace {

using namespace pelsdk::ui;
using pelsdk::platform::int_rect;
using pelsdk::platform::scripted_window_host;

using enum event_type;
using Heard = std::vector<std::pair<std::string, event_type>>;

// Records the events fired on objects, with the name each object was given.
class EventLog {
public:
    void Watch(event_object& object, const std::string& name, std::initializer_list<event_type> types) {
        for (event_type type : types) {
            event_hub::instance().register_handler(
                &object, &object, type, [this, name, type](const event_info&) { heard.emplace_back(name, type); });
        }
    }
    Heard Take() { return std::exchange(heard, {}); }
    Heard heard;
};

// The pointer is placed without a move: each test sends the moves it means.
class WindowTest : public WidgetTest {
protected:
    void PointerAt(int32_t x, int32_t y) { host->pointer = {x, y}; }

    EventLog log;
};

TEST_F(WindowTest, HitTestFindsTheTopmostVisibleChildUnderScale) {
    widget panel, first, second, hidden;
    Add(panel, win->root, {100, 50, 100, 100});
    panel.scale = 2.0f;
    Add(first, panel, {10, 10, 20, 20});   // window area {120, 70, 40, 40}
    Add(second, panel, {15, 15, 20, 20});  // later: hit first where they overlap
    Add(hidden, panel, {0, 0, 100, 100});
    hidden.set_shown(false);
    struct Case {
        point at;
        widget* expected;
    };
    const Case cases[] = {
        {{121, 71}, &first}, {{135, 85}, &second}, {{159, 109}, &second},
        {{170, 120}, &panel}, {{99, 60}, &win->root}, {{400, 10}, nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(win->hit_test(c.at), c.expected) << c.at.x << "," << c.at.y;
    }
    window::take_capture(first);
    EXPECT_EQ(win->hit_test({0, 0}), &first);
    window::release_capture();
    // The pointer in a widget's own dips: each ancestor's scale divides what lies inside it.
    PointerAt(130, 80);
    EXPECT_EQ(win->pointer_position(first), (point{5, 5}));
}

TEST_F(WindowTest, ButtonsRouteThroughCaptureFocusAndCatchers) {
    widget panel, button, label, disabled;
    Add(panel, win->root, {0, 0, 200, 200});
    Add(button, panel, {10, 10, 50, 20});
    Add(label, panel, {10, 50, 50, 20});
    Add(disabled, panel, {10, 90, 50, 20});
    disabled.set_enabled(false);
    panel.catch_child_clicks = true;
    log.Watch(*win, "window", {event_type::mouse_down, event_type::mouse_up});
    log.Watch(panel, "panel", {event_type::mouse_down});
    log.Watch(button, "button", {event_type::mouse_down, event_type::mouse_up, event_type::focus_gained});
    log.Watch(win->root, "root", {event_type::focus_lost});
    event_hub::instance().register_handler(&button, &button, event_type::mouse_down,
                                           [&](const event_info&) { window::take_capture(button); });

    PointerAt(20, 15);
    win->dispatch(event_type::mouse_down, 0, 0);
    EXPECT_EQ(win->focused, &button);
    EXPECT_TRUE(host->captured);
    EXPECT_EQ(log.Take(), (Heard{{"root", focus_lost}, {"button", focus_gained},
                                 {"button", mouse_down}, {"window", mouse_down}}));
    // Released elsewhere: the capture holder alone gets it.
    PointerAt(300, 250);
    win->dispatch(event_type::mouse_up, 0, 0);
    EXPECT_EQ(log.Take(), (Heard{{"button", mouse_up}}));
    window::release_capture();

    // A label without handlers: its catching ancestor takes the press.
    PointerAt(20, 55);
    win->dispatch(event_type::mouse_down, 0, 0);
    EXPECT_EQ(win->focused, &label);
    EXPECT_EQ(log.Take(), (Heard{{"panel", mouse_down}, {"window", mouse_down}}));
    // A disabled widget keeps neither focus nor the press; the window still hears it.
    PointerAt(20, 95);
    win->dispatch(event_type::mouse_down, 0, 0);
    EXPECT_EQ(win->focused, &label);
    EXPECT_EQ(log.Take(), (Heard{{"window", mouse_down}}));
}

TEST_F(WindowTest, DoubleClickSwallowsTheNextButtonUp) {
    log.Watch(*win, "window", {event_type::double_click, event_type::mouse_up});
    win->dispatch(event_type::double_click, 0, 0);
    win->dispatch(event_type::mouse_up, 0, 0);
    win->dispatch(event_type::mouse_up, 0, 0);
    EXPECT_EQ(log.Take(), (Heard{{"window", double_click}, {"window", mouse_up}}));
}

TEST_F(WindowTest, HoverGoesToTheNearestEnabledWidget) {
    widget panel, child;
    Add(panel, win->root, {0, 0, 200, 200});
    Add(child, panel, {50, 50, 50, 50});
    child.set_enabled(false);
    log.Watch(panel, "panel", {event_type::mouse_enter, event_type::mouse_leave, event_type::mouse_move});
    log.Watch(win->root, "root", {event_type::mouse_enter, event_type::mouse_leave});

    // The first move after the pointer enters only arms leave tracking.
    win->on_input(pelsdk::platform::input::pointer_left, 0, 0);
    PointerAt(60, 60);
    EXPECT_TRUE(win->on_mouse_move(96));
    EXPECT_TRUE(log.Take().empty());
    EXPECT_FALSE(win->on_mouse_move(96));
    EXPECT_EQ(win->hovered, &panel);
    EXPECT_EQ(log.Take(), (Heard{{"panel", mouse_enter}}));
    win->on_mouse_move(96);
    EXPECT_EQ(log.Take(), (Heard{{"panel", mouse_move}}));
    // The hovered widget disabled under a resting pointer: its ancestor moves and takes the hover.
    child.set_enabled(true);
    PointerAt(61, 61);
    win->on_mouse_move(96);
    EXPECT_EQ(win->hovered, &child);
    log.Take();
    child.set_enabled(false);
    win->on_mouse_move(96);
    win->on_mouse_move(96);
    EXPECT_EQ(win->hovered, &panel);
    EXPECT_EQ(log.Take(), (Heard{{"panel", mouse_move}, {"panel", mouse_move}}));

    PointerAt(300, 250);
    win->on_mouse_move(96);
    EXPECT_EQ(win->hovered, &win->root);
    EXPECT_EQ(log.Take(), (Heard{{"panel", mouse_leave}, {"root", mouse_enter}}));
    win->on_input(pelsdk::platform::input::pointer_left, 0, 0);
    EXPECT_EQ(win->hovered, nullptr);
    EXPECT_FALSE(win->is_tracking());
    EXPECT_EQ(log.Take(), (Heard{{"root", mouse_leave}}));
}

TEST_F(WindowTest, WheelStaysWithTheListUnderARestingPointer) {
    widget first, second;
    Add(first, win->root, {0, 0, 100, 100});
    Add(second, win->root, {0, 100, 100, 100});
    log.Watch(first, "first", {event_type::mouse_wheel});
    log.Watch(second, "second", {event_type::mouse_wheel});
    const double delta = 60.0;

    PointerAt(50, 90);
    host->clock_ms = 1000;
    win->dispatch(event_type::mouse_wheel, event_param(&delta), 0);
    // The list scrolled away: the second list is under the pointer now.
    first.set_bounds({0, -20, 100, 100}, true);
    second.set_bounds({0, 80, 100, 100}, true);
    host->clock_ms = 1300;
    win->dispatch(event_type::mouse_wheel, event_param(&delta), 0);
    host->clock_ms = 1750;
    win->dispatch(event_type::mouse_wheel, event_param(&delta), 0);
    EXPECT_EQ(log.Take(),
              (Heard{{"first", mouse_wheel}, {"first", mouse_wheel}, {"second", mouse_wheel}}));
    // Only while the window has the keyboard focus.
    host->focus = false;
    win->dispatch(event_type::mouse_wheel, event_param(&delta), 0);
    EXPECT_TRUE(log.Take().empty());
}

TEST_F(WindowTest, TabCyclesThroughFocusableWidgetsBothWays) {
    widget a, b, c, hidden;
    for (widget* w : {&a, &hidden, &b, &c}) Add(*w, win->root, {0, 0, 10, 10});
    a.focusable = b.focusable = hidden.focusable = true;
    hidden.set_shown(false);
    const struct {
        bool shift;
        widget* expected;
    } steps[] = {{false, &a}, {false, &b}, {false, &a}, {true, &b}, {true, &a}};
    for (const auto& step : steps) {
        host->shift = step.shift;
        win->dispatch(event_type::char_input, 9, 0);
        EXPECT_EQ(win->focused, step.expected);
    }
    // A focus given by Tab is outlined with a dotted line inside the widget; a click's is not.
    const auto outlines = [&] {
        Paint();
        std::vector<pelsdk::platform::rect_f> dotted;
        for (const auto& p : Drawn("draw_rectangle")) {
            if (!p.dashes.empty()) dotted.push_back(p.geometry);
        }
        return dotted;
    };
    EXPECT_EQ(outlines(), (std::vector<pelsdk::platform::rect_f>{{1.5f, 1.5f, 8.5f, 8.5f}}));
    win->set_focus(&b, 0);
    EXPECT_TRUE(outlines().empty());
    // No focusable widget: the focus stays.
    a.focusable = b.focusable = false;
    win->dispatch(event_type::char_input, 9, 0);
    EXPECT_EQ(win->focused, &b);
}

TEST_F(WindowTest, PaintWalksVisibleIntersectingWidgetsInOrder) {
    widget panel, inside, outside, hidden;
    Add(panel, win->root, {10, 10, 100, 100});
    panel.scale = 2.0f;
    Add(inside, panel, {5, 5, 10, 10});
    Add(outside, panel, {200, 200, 10, 10});
    Add(hidden, panel, {5, 5, 10, 10});
    hidden.set_shown(false);
    std::vector<std::string> painted;
    for (auto [w, name] : {std::pair<widget*, std::string>{&win->root, "root"}, {&panel, "panel"},
                           {&inside, "inside"}, {&outside, "outside"}, {&hidden, "hidden"}}) {
        event_hub::instance().register_handler(w, w, event_type::paint, [&painted, name = name](const event_info&) {
            painted.push_back(name);
        });
    }
    machine.graphics.calls.clear();
    win->on_paint(0, 0, 300, 300);
    EXPECT_EQ(painted, (std::vector<std::string>{"root", "panel", "inside"}));
    EXPECT_EQ(machine.graphics.calls, (std::vector<std::string>{"begin_paint", "begin_draw", "end_draw", "end_paint"}));
    painted.clear();
    // An update area that only touches an edge does not intersect.
    win->on_paint(0, 0, 10, 300);
    EXPECT_EQ(painted, std::vector<std::string>{"root"});
}

TEST_F(WindowTest, SetBoundsFiresSizeAndMoveEventsAndLaysOutAnchors) {
    widget panel, child;
    Add(panel, win->root, {10, 10, 100, 100});
    Add(child, panel, {0, 0, 10, 10});
    child.anchor_right = {true, 5};
    child.anchor_bottom = {true, 5};
    size previousSize{};
    point previousPosition{};
    event_hub::instance().register_handler(&panel, &panel, event_type::resized, [&](const event_info& e) {
        previousSize = *event_param_as<size>(e.param1);
    });
    event_hub::instance().register_handler(&panel, &panel, event_type::moved, [&](const event_info& e) {
        previousPosition = *event_param_as<point>(e.param1);
    });
    log.Watch(child, "child", {event_type::parent_resized, event_type::parent_moved});
    host->invalidated.clear();

    panel.set_bounds({20, 30, 200, -5}, true);

    EXPECT_EQ(panel.bounds, (rect{20, 30, 200, 0}));
    EXPECT_EQ(panel.requested, panel.bounds);
    EXPECT_EQ(previousSize, (size{100, 100}));
    EXPECT_EQ(previousPosition, (point{10, 10}));
    EXPECT_EQ(log.Take(), (Heard{{"child", parent_resized}, {"child", parent_moved}}));
    EXPECT_EQ(child.bounds, (rect{185, -15, 10, 10}));
    // The old area is repainted through the parent.
    EXPECT_EQ(std::count(host->invalidated.begin(), host->invalidated.end(), int_rect{0, 0, 400, 300}), 1);
}

TEST(WidgetAnchors, PlaceEachAxisByItsAnchors) {
    struct Case {
        anchor left, right, top, bottom;
        rect expected;
    };
    const anchor none{};
    // The widget starts at {10, 20, 30, 40} in a parent of 200 x 100.
    const Case cases[] = {
        {none, none, none, none, {10, 20, 30, 40}},
        {{true, 5}, none, {true, 6}, none, {5, 6, 30, 40}},
        {none, {true, 5}, none, {true, 6}, {165, 54, 30, 40}},
        {{true, 5}, {true, 15}, {true, 6}, {true, 4}, {5, 6, 180, 90}},
    };
    for (const Case& c : cases) {
        widget w;
        w.bounds = {10, 20, 30, 40};
        w.anchor_left = c.left;
        w.anchor_right = c.right;
        w.anchor_top = c.top;
        w.anchor_bottom = c.bottom;
        w.apply_anchors({200, 100});
        EXPECT_EQ(w.bounds, c.expected) << "case " << (&c - cases);
    }
}

TEST_F(WindowTest, InvalidateWalksUpScalesAndRounds) {
    widget panel, child;
    Add(panel, win->root, {10, 20, 100, 100});
    panel.scale = 1.5f;
    Add(child, panel, {3, 3, 5, 5});
    host->invalidated.clear();
    child.invalidate(true);
    // x = 3 * 1.5 + 10 = 14.5, right = 14.5 + 7.5 = 22: each edge rounded.
    EXPECT_EQ(host->invalidated, (std::vector<int_rect>{{15, 25, 7, 7}}));
    EXPECT_EQ(host->updates, 1);
}

TEST_F(WindowTest, RemovingOrDestroyingAWidgetLeavesNothingBehind) {
    widget panel, removed;
    Add(panel, win->root, {0, 0, 100, 100});
    Add(removed, panel, {0, 0, 10, 10});
    int clicks = 0;
    panel.listen(removed, event_type::clicked, [&](const event_info&) { ++clicks; });
    log.Watch(removed, "removed", {event_type::parent_shown});
    log.Watch(panel, "panel", {event_type::child_removed});
    panel.remove_child(&removed);
    EXPECT_EQ(log.Take(), (Heard{{"removed", parent_shown}, {"panel", child_removed}}));
    EXPECT_EQ(removed.parent, nullptr);
    EXPECT_FALSE(event_hub::instance().fire(&removed, event_type::clicked));
    EXPECT_EQ(clicks, 0);

    auto child = std::make_unique<widget>();
    widget* raw = child.get();
    Add(*child, win->root, {0, 0, 50, 50});
    raw->focusable = true;
    win->set_focus(raw, 0);
    PointerAt(10, 10);
    win->on_mouse_move(96);
    win->on_mouse_move(96);
    win->add_timer(raw, 7, 200, false);
    win->root.listen(*raw, event_type::clicked, [](const event_info&) {});
    event_hub::instance().register_handler(&win->root, raw, event_type::paint, [](const event_info&) {});
    win->drop_target = raw;

    child.reset();

    EXPECT_EQ(win->drop_target, nullptr);
    EXPECT_EQ(win->focused, nullptr);
    EXPECT_EQ(win->hovered, nullptr);
    EXPECT_EQ(std::count(win->root.children.begin(), win->root.children.end(), raw), 0);
    EXPECT_EQ(std::count(win->widgets.begin(), win->widgets.end(), raw), 0);
    EXPECT_TRUE(host->timers.empty());
    EXPECT_FALSE(event_hub::instance().has_handler(&win->root, event_type::paint));
    EXPECT_FALSE(event_hub::instance().has_handler(raw, event_type::clicked));
}

TEST_F(WindowTest, TimersFireOnceOrRepeatedly) {
    widget target;
    Add(target, win->root, {0, 0, 10, 10});
    std::vector<uint64_t> fired;
    event_hub::instance().register_handler(&target, &target, event_type::timer,
                                           [&](const event_info& e) { fired.push_back(e.param1); });
    win->add_timer(&target, 1, 200, false);
    win->add_timer(&target, 1, 200, false);  // the same timer again: nothing
    win->add_timer(&target, 2, 50, true);
    ASSERT_EQ(host->timers.size(), 2u);
    for (int tick = 0; tick < 2; ++tick) {
        for (const auto& [id, interval] : std::map<uint32_t, uint32_t>(host->timers)) win->on_timer(id);
    }
    EXPECT_EQ(fired, (std::vector<uint64_t>{1, 2, 1}));
    EXPECT_EQ(host->timers.size(), 1u);
    win->kill_timer(&target, 1);
    EXPECT_TRUE(host->timers.empty());
}

TEST_F(WindowTest, TooltipShowsAfterTheRestAndHidesWhenTheHoverMoves) {
    widget a, b;
    Add(a, win->root, {0, 0, 100, 100});
    Add(b, win->root, {100, 0, 100, 100});
    add_tooltip(a, {0, 0, 0, 0}, "", "");  // both texts empty: ignored
    EXPECT_TRUE(host->timers.empty());
    add_tooltip(a, {0, 0, 0, 0}, "Title", "Text");
    ASSERT_EQ(host->timers.count(0xFFFFFFFF), 1u);
    EXPECT_EQ(host->timers[0xFFFFFFFF], 100u);

    EXPECT_EQ(tooltip_of(*win), nullptr) << "made when first shown";
    log.Watch(*win, "win", {event_type::hidden});

    // The window's client area starts at (200, 100) on the screen.
    host->client.x = 200;
    host->client.y = 100;
    PointerAt(10, 10);
    win->on_mouse_move(96);
    win->on_mouse_move(96);
    int ticks = 0;
    while (!tooltip_of(*win) && ticks < 20) {
        win->on_timer(0xFFFFFFFF);
        ++ticks;
    }
    tooltip* tip = tooltip_of(*win);
    ASSERT_NE(tip, nullptr);
    auto& tipHost = HostOf(*tip);
    EXPECT_EQ(tipHost.flags, 0x21);
    EXPECT_EQ(tipHost.owner, host);
    log.Watch(*tip, "tip", {event_type::hidden});
    // The first tick adopts the hovered widget; shown once the rest passes 0.75 s, beside the
    // pointer's screen position, without taking the focus.
    EXPECT_EQ(ticks, 9);
    ASSERT_TRUE(tip->shown);
    EXPECT_EQ(tip->title, "Title");
    EXPECT_EQ(tip->subject, &a);
    EXPECT_EQ(tipHost.client.x, 215);
    EXPECT_EQ(tipHost.client.y, 130);
    EXPECT_TRUE(tipHost.visible);
    EXPECT_FALSE(tipHost.activated);

    // A press hides it; the hiding is announced by the tooltip, not by its owner.
    win->dispatch(event_type::mouse_down, 0, 0);
    EXPECT_FALSE(tip->shown);
    EXPECT_FALSE(tipHost.visible);
    EXPECT_EQ(log.Take(), (Heard{{"tip", hidden}}));
    win->dispatch(event_type::mouse_up, 0, 0);

    // Near the screen's corner it is moved back inside the work area.
    tipHost.work_area = {0, 0, 260, 160};
    PointerAt(150, 10);  // leaving the widget ends the held button
    win->on_mouse_move(96);
    win->on_timer(0xFFFFFFFF);
    PointerAt(50, 50);
    win->on_mouse_move(96);
    for (int i = 0; i < 10 && !tip->shown; ++i) win->on_timer(0xFFFFFFFF);
    ASSERT_TRUE(tip->shown);
    EXPECT_EQ(tipHost.client.x + tipHost.client.width, 260);
    EXPECT_EQ(tipHost.client.y + tipHost.client.height, 160);

    PointerAt(150, 10);
    win->on_mouse_move(96);
    win->on_timer(0xFFFFFFFF);
    EXPECT_FALSE(tip->shown);
    EXPECT_EQ(log.Take(), (Heard{{"tip", hidden}}));
    win->remove_tooltips(&a);
    EXPECT_TRUE(host->timers.empty());
}

// The modal loop, its result and the waiting owner are checked with the notification popup.
TEST_F(WindowTest, ACloseRequestHandlerKeepsTheModalLoopRunning) {
    window popup(os);
    popup.owner = win.get();
    popup.create("Popup", {0, 0, 200, 100}, 0);
    int requests = 0;
    event_hub::instance().register_handler(&popup, &popup, event_type::close_request,
                                           [&](const event_info&) { ++requests; });
    HostOf(popup).loop_step = [&] {
        EXPECT_TRUE(popup.on_close_request());
        if (requests == 2) popup.close(3);
    };
    EXPECT_EQ(popup.run(), 3);
    // Without one the default close ends the loop and keeps the result at 0.
    event_hub::instance().unregister_all(&popup);
    HostOf(popup).loop_step = [&] { EXPECT_FALSE(popup.on_close_request()); };
    EXPECT_EQ(popup.run(), 0);
}

TEST_F(WindowTest, DestroyingTheWindowWithRootTimersAndTooltips) {
    win->add_timer(&win->root, 1, 200, false);
    add_tooltip(win->root, {0, 0, 0, 0}, "tip", "");
    bool destroyed = false;
    event_hub::instance().register_handler(win.get(), win.get(), event_type::destroyed,
                                           [&](const event_info&) { destroyed = true; });
    win.reset();
    EXPECT_TRUE(destroyed);
}

TEST_F(WindowTest, ResizeLaysOutTheRootWithItsMinimum) {
    win->root.min_size = {500, 100};
    win->on_client_resized(300, 200);
    EXPECT_EQ(win->root.bounds, (rect{0, 0, 500, 200}));
    host->dpi = 192;
    win->on_dpi_changed(192, 192, 1200, 800);
    EXPECT_EQ(win->root.bounds, (rect{0, 0, 600, 400}));
    EXPECT_EQ(win->to_pixels({10, 11}), (point{20, 22}));
    // Halves round away from zero, on either side of the primary monitor.
    EXPECT_EQ(win->to_dips({21, 3}), (point{11, 2}));
    EXPECT_EQ(win->to_dips({-3, -4}), (point{-2, -2}));
}

}  // namespace
