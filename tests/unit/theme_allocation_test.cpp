// Lookups run on every paint: a miss must not allocate. Every allocation of this test program
// is counted.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "ui/theme/theme_lookup.h"

namespace {
std::atomic<long> allocations{0};
}  // namespace

void* operator new(std::size_t bytes) {
    ++allocations;
    if (void* memory = std::malloc(bytes == 0 ? 1 : bytes)) return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace {

using namespace pelsdk::ui;

TEST(ThemeAllocation, LookupsAllocateNothing) {
    widget_style style;
    style.set_value("own_value", int32_t{1});
    style.set_alias("aliased", "label_font_size");
    style.set_alias("dangling", "no_such_key");
    (void)theme_lookup(style, "label_font_name");  // builds the defaults first

    const long before = allocations;
    EXPECT_TRUE(theme_lookup(style, "no_such_key").empty());
    EXPECT_TRUE(theme_lookup(style, "dangling").empty());
    EXPECT_EQ(&theme_lookup(style, "no_such_key"), &theme_lookup(style, "other_missing_key"));
    EXPECT_EQ(theme_int(style, "own_value"), 1);
    EXPECT_EQ(theme_float(style, "aliased"), 11.0f);
    EXPECT_EQ(theme_text(style, "label_font_name"), "Tahoma");
    EXPECT_EQ(allocations - before, 0);
}

}  // namespace
