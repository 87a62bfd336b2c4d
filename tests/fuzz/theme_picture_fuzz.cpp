// Any bytes given to the theme as a picture either decode and draw, or draw nothing: painting
// never crashes and never throws. The first byte chooses the frame count and the scale; the
// rest is the picture, shown as a button's face and background and as a check box.
#include <stb/stb_image.h>

#include <filesystem>
#include <memory>

#include "tests/fuzz/fuzz_check.h"
#include "tests/support/test_imaging.h"
#include "ui/core/window.h"
#include "ui/theme/theme_lookup.h"
#include "ui/widgets/check_box.h"
#include "ui/widgets/generic_button.h"

namespace {

using namespace pelsdk::ui;

pelsdk::platform::headless_machine& machine() {
    static pelsdk::platform::headless_machine made{std::filesystem::temp_directory_path(),
                                                    TestImaging()};
    return made;
}

window& scene() {
    static const std::unique_ptr<window> win = [] {
        auto made = std::make_unique<window>(machine().services_of());
        made->create("Pictures", {0, 0, 400, 300}, 0);
        return made;
    }();
    return *win;
}

// Larger pictures are skipped: they are only slow and big to decode, as any picture of their size
// is, and would keep the fuzzer from the decoding paths.
constexpr int64_t kMostPixels = 2048 * 2048;

bool too_large(const uint8_t* data, size_t size) {
    int width = 0, height = 0, channels = 0;
    return stbi_info_from_memory(data, static_cast<int>(size), &width, &height, &channels) &&
           int64_t{width} * height > kMostPixels;
}

bool drew_bitmaps() {
    for (const auto& primitive : machine().graphics.primitives) {
        if (primitive.kind == "draw_bitmap") return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0 || too_large(data + 1, size - 1)) return 0;
    window& win = scene();
    const theme_value picture = encode_value(
        image_reference{data + 1, size - 1, data[0] & 7u, (data[0] & 8) != 0 ? 2.0f : 1.0f});
    theme_map overrides;
    for (const theme_key key :
         {theme_key("button_image"), theme_key("button_back_image"), theme_key("checkbox_image")}) {
        overrides[key] = picture;
    }
    set_theme(overrides);

    generic_button button;
    check_box box;
    win.root.create_child(button, {10, 10, 160, 40});
    win.root.create_child(box, {10, 60, 160, 30});
    machine().graphics.primitives.clear();
    win.on_paint(0, 0, 400, 300);

    // One picture for all three: it loads everywhere or nowhere, and only a loaded one draws.
    FUZZ_CHECK(button.image->is_loaded() == button.back_image->is_loaded());
    FUZZ_CHECK(button.image->is_loaded() == box.image->is_loaded());
    FUZZ_CHECK(drew_bitmaps() == button.image->is_loaded());
    return 0;
}
