// Flow layout: what a page pays when its panel is laid out again, for a large panel.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "tests/support/test_imaging.h"
#include "ui/core/window.h"
#include "ui/widgets/flow_panel.h"

namespace {

using namespace pelsdk::ui;

// A vertical panel of 100 children 5 high, with a flexible space before every 25th.
class LongPanel {
public:
    LongPanel() {
        win->create("Bench", {0, 0, 400, 1200}, 0);
        panel.window = win.get();
        win->root.add_child(&panel);
        panel.create({0, 0, 40, 1000});
        for (size_t i = 0; i < children.size(); ++i) {
            if (i % 25 == 0) panel.add_flexible_space();
            children[i].window = win.get();
            panel.add_child(&children[i]);
            children[i].create({0, 0, 10, 5});
        }
        panel.layout();
    }
    // The window keeps every repaint request; forget them so memory stays flat.
    void ForgetRepaints() {
        static_cast<pelsdk::platform::scripted_window_host&>(win->host()).invalidated.clear();
    }

    // First, so that they outlive the widgets.
    pelsdk::platform::headless_machine machine{std::filesystem::temp_directory_path(), TestImaging()};
    std::unique_ptr<window> win = std::make_unique<window>(machine.services_of());
    flow_panel panel{flow_orientation::vertical};
    std::vector<widget> children = std::vector<widget>(100);
};

void LayOutUnchangedPanel(benchmark::State& state) {
    LongPanel scene;
    for (auto _ : state) {
        scene.panel.layout();
        scene.ForgetRepaints();
    }
}
BENCHMARK(LayOutUnchangedPanel)->Unit(benchmark::kMicrosecond);

// Every resize hands the growth out among the flexible spaces and moves the children after them.
void LayOutOnResize(benchmark::State& state) {
    LongPanel scene;
    int32_t height = 1000;
    for (auto _ : state) {
        height = height == 1000 ? 1100 : 1000;
        scene.panel.set_bounds({0, 0, 40, height}, true);
        scene.ForgetRepaints();
    }
}
BENCHMARK(LayOutOnResize)->Unit(benchmark::kMicrosecond);

}  // namespace
