// Theme lookups and event firing: the costs every paint and every input event pays.
#include <benchmark/benchmark.h>

#include "ui/core/event_hub.h"
#include "ui/core/event_object.h"
#include "ui/theme/theme_lookup.h"

namespace {

using namespace pelsdk::ui;

void LookupOwnValue(benchmark::State& state) {
    widget_style style;
    style.set_value("label_font_size", 14.0f);
    for (auto _ : state) benchmark::DoNotOptimize(&theme_lookup(style, "label_font_size"));
}
BENCHMARK(LookupOwnValue);

void LookupAlias(benchmark::State& state) {
    widget_style style;
    style.set_alias("label_font_size", "button_font_size");
    for (auto _ : state) benchmark::DoNotOptimize(&theme_lookup(style, "label_font_size"));
}
BENCHMARK(LookupAlias);

void LookupOverride(benchmark::State& state) {
    theme_map overrides;
    overrides[theme_key("label_font_size")] = encode_value(13.0f);
    set_theme(overrides);
    widget_style style;
    for (auto _ : state) benchmark::DoNotOptimize(&theme_lookup(style, "label_font_size"));
    set_theme({});
}
BENCHMARK(LookupOverride);

void LookupDefault(benchmark::State& state) {
    widget_style style;
    for (auto _ : state) benchmark::DoNotOptimize(&theme_lookup(style, "label_font_size"));
}
BENCHMARK(LookupDefault);

void LookupMiss(benchmark::State& state) {
    widget_style style;
    for (auto _ : state) benchmark::DoNotOptimize(&theme_lookup(style, "no_such_key"));
}
BENCHMARK(LookupMiss);

// A member function of its object, as the installer registers them.
struct Listener : event_object {
    int calls = 0;
    void OnEvent(const event_info&) { ++calls; }
};

void FireHandlers(benchmark::State& state) {
    event_object sender;
    Listener listener;
    for (int i = 0; i < state.range(0); ++i) {
        listener.listen(sender, event_type::clicked, &Listener::OnEvent);
    }
    for (auto _ : state) event_hub::instance().fire(&sender, event_type::clicked);
    benchmark::DoNotOptimize(listener.calls);
}
BENCHMARK(FireHandlers)->Arg(1)->Arg(5);

}  // namespace

BENCHMARK_MAIN();
