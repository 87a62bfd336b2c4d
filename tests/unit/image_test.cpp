#include <gtest/gtest.h>

#include "platform/headless/recording_graphics.h"
#include "platform/headless/stb_imaging.h"
#include "tests/support/test_pictures.h"
#include "tests/support/widget_drawing.h"
#include "ui/base/pel_exception.h"
#include "ui/core/widget.h"
#include "ui/render/image.h"
#include "ui/render/renderer.h"
#include "ui/theme/theme_lookup.h"

#include <memory>

namespace {

using namespace pelsdk::ui;
using pelsdk::platform::rect_f;
using pelsdk::platform::recording_graphics;
using pelsdk::platform::stb_imaging;

// The check box's default picture: 14 x 28 pixels, two frames, a white tick in the second.
image_reference CheckboxPicture() { return theme_image(widget_style{}, "checkbox_image"); }

class ImageTest : public ::testing::Test {
protected:
    void Load(float scale) {
        image_reference picture = CheckboxPicture();
        picture.scale = scale;
        ASSERT_TRUE(load_image(checkbox, imaging, picture));
    }

    stb_imaging imaging;
    recording_graphics graphics;
    renderer drawing{graphics, nullptr};
    image checkbox;
    widget root;
};

TEST_F(ImageTest, SizesFramesAndDestinationsFollowTheScale) {
    Load(1.0f);
    EXPECT_EQ(image_frame(checkbox, 2, 0), (rect{0, 0, 14, 14}));
    EXPECT_EQ(image_frame(checkbox, 3, 2), (rect{0, 18, 14, 9}));
    EXPECT_EQ(image_frame(checkbox, 0, 0), (rect{0, 0, 14, 28})) << "no count: one frame";
    Load(2.0f);
    EXPECT_EQ(checkbox.logical_size(), (size{7, 14}));
    EXPECT_EQ(image_frame(checkbox, 2, 1), (rect{0, 7, 7, 7}));

    root.bounds = {0, 0, 100, 100};
    BeginWidget(drawing, root, {0, 0, 100, 100});
    drawing.draw_image({10, 20}, checkbox, 0.5f);
    drawing.draw_image_part({10, 20}, checkbox, image_frame(checkbox, 2, 1), 1.0f);
    drawing.draw_image_stretched({0, 0, 30, 40}, checkbox, 1.0f);
    drawing.draw_image_part_stretched({0, 0, 30, 40}, checkbox, {1, 2, 3, 4}, 1.0f);
    drawing.end_widget();

    ASSERT_EQ(graphics.primitives.size(), 4u);
    EXPECT_EQ(graphics.primitives[0].local, (rect_f{10, 20, 17, 34}));
    EXPECT_EQ(graphics.primitives[0].opacity, 0.5f);
    EXPECT_FALSE(graphics.primitives[0].has_source);
    EXPECT_EQ(graphics.primitives[1].local, (rect_f{10, 20, 17, 27}));
    EXPECT_EQ(graphics.primitives[1].source, (rect_f{0, 14, 14, 28}));
    EXPECT_EQ(graphics.primitives[2].local, (rect_f{0, 0, 30, 40}));
    EXPECT_EQ(graphics.primitives[3].source, (rect_f{2, 4, 8, 12}));
    EXPECT_EQ(graphics.live_bitmaps, 1) << "one bitmap, reused";
}

TEST_F(ImageTest, MultiplyEditsTheStoredPixelsOfTheArea) {
    Load(1.0f);
    auto pixel = [&](uint32_t x, uint32_t y) {
        const pixel_access access = checkbox.lock_pixels();
        const uint8_t* p = access.data + y * access.stride + x * 4;
        std::array<uint8_t, 4> bgra{p[0], p[1], p[2], p[3]};
        checkbox.unlock_pixels(access);
        return bgra;
    };
    const auto tick = pixel(3, 21);  // white, opaque
    const auto border = pixel(0, 0);
    EXPECT_EQ(tick, (std::array<uint8_t, 4>{255, 255, 255, 255}));

    checkbox.multiply({1, 1, 1, 1}, {0, 0, 0, 0});
    EXPECT_EQ(pixel(3, 21), tick);

    // Only the frame-one tick area (edges included): the border of frame zero keeps its bytes.
    checkbox.multiply({1, 0, 0, 1}, {0, 14, 13, 13});
    EXPECT_EQ(pixel(3, 21), (std::array<uint8_t, 4>{0, 0, 255, 255}));
    EXPECT_EQ(pixel(0, 0), border);
    checkbox.multiply({0.5f, 1, 1, 1}, {0, 0, 0, 0});
    EXPECT_EQ(pixel(3, 21), (std::array<uint8_t, 4>{0, 0, 127, 255}));
    // Factors beyond 0..1 saturate.
    checkbox.multiply({3, 1, 1, -1}, {0, 0, 0, 0});
    EXPECT_EQ(pixel(3, 21), (std::array<uint8_t, 4>{0, 0, 255, 0}));
}

TEST_F(ImageTest, EachRendererGetsItsOwnBitmap) {
    Load(1.0f);
    root.bounds = {0, 0, 10, 10};
    auto second = std::make_unique<renderer>(graphics, nullptr);
    for (renderer* r : {&drawing, second.get()}) {
        BeginWidget(*r, root, {0, 0, 10, 10});
        r->draw_image({0, 0}, checkbox, 1.0f);
        r->end_widget();
    }
    EXPECT_EQ(graphics.live_bitmaps, 2);
    second.reset();
    EXPECT_EQ(graphics.live_bitmaps, 1);
    EXPECT_EQ(drawing.images, std::vector<image*>{&checkbox});

    checkbox.unload();
    EXPECT_EQ(graphics.live_bitmaps, 0);
    EXPECT_TRUE(drawing.images.empty());
    graphics.primitives.clear();
    BeginWidget(drawing, root, {0, 0, 10, 10});
    drawing.draw_image({0, 0}, checkbox, 1.0f);
    drawing.end_widget();
    EXPECT_TRUE(graphics.primitives.empty()) << "an unloaded image draws nothing";
}

TEST(ImageFailures, UnreadableBytesAndFailingStepsAreReported) {
    stb_imaging imaging;
    image broken;
    const uint8_t garbage[] = {1, 2, 3, 4, 5};
    EXPECT_FALSE(broken.load(imaging, garbage, sizeof(garbage), 1.0f));
    EXPECT_FALSE(broken.load(imaging, nullptr, 0, 1.0f));
    EXPECT_FALSE(load_image(broken, imaging, theme_image(widget_style{}, "button_image"))) << "no picture";
    const std::vector<uint8_t> damaged = test_pictures::DamagedPng();
    EXPECT_FALSE(broken.load(imaging, damaged.data(), damaged.size(), 1.0f)) << "damaged pixels";
    // A 1 x 1 GIF, which stb would read.
    // clang-format off
    const uint8_t gif[] = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 255, 255, 255, 0, 0,
                           0, ',', 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 'D', 1, 0, ';'};
    // clang-format on
    EXPECT_FALSE(broken.load(imaging, gif, sizeof(gif), 1.0f)) << "PNG and JPEG only";
    EXPECT_FALSE(broken.is_loaded());

    const image_reference picture = CheckboxPicture();
    auto message_of = [&](auto action) -> std::string {
        try {
            action();
        } catch (const pel_exception& e) {
            return e.what();
        }
        return "no exception";
    };
    imaging.fails = stb_imaging::failure::converter;
    EXPECT_EQ(message_of([&] { broken.load(imaging, picture.data, picture.size, 1); }),
              "unable to create the bitmap format converter");
    imaging.fails = stb_imaging::failure::bitmap;
    EXPECT_EQ(message_of([&] { broken.load(imaging, picture.data, picture.size, 1); }),
              "unable to create a bitmap from the format converter");
    imaging.fails = stb_imaging::failure::factory;
    EXPECT_EQ(message_of([&] { image{}.load(imaging, picture.data, picture.size, 1); }),
              "unable to create the imaging factory");

    imaging.fails = stb_imaging::failure::none;
    ASSERT_TRUE(broken.load(imaging, picture.data, picture.size, 1));
    recording_graphics graphics;
    renderer drawing(graphics, nullptr);
    graphics.fails = recording_graphics::failure::bitmap_from_pixels;
    EXPECT_EQ(message_of([&] { broken.bitmap_for(drawing); }),
              "unable to create a bitmap from a WIC bitmap");
    graphics.fails = recording_graphics::failure::shared_bitmap;
    EXPECT_EQ(message_of([&] { broken.bitmap_for(drawing); }), "unable to create a shared bitmap");
    graphics.fails = recording_graphics::failure::none;
    broken.bitmap_for(drawing);
    graphics.fails = recording_graphics::failure::bitmap_update;
    EXPECT_EQ(message_of([&] { broken.multiply({1, 1, 1, 1}, {0, 0, 0, 0}); }),
              "unable to update the bitmap data");
    // The guard was released: the pixels can be locked again.
    graphics.fails = recording_graphics::failure::none;
    broken.unlock_pixels(broken.lock_pixels());
}

}  // namespace
