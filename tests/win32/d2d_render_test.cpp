// The renderer on the real Direct2D, DirectWrite and WIC, drawing into a WIC bitmap whose
// pixels are read back.
#include <windows.h>
#include <dwrite.h>
#include <gtest/gtest.h>

#include <cmath>

#include "platform/win32/com_ptr.h"
#include "platform/win32/d2d_graphics.h"
#include "platform/win32/wic_imaging.h"
#include "ui/core/widget.h"
#include "ui/render/image.h"
#include "ui/render/renderer.h"
#include "ui/theme/theme_lookup.h"

namespace {

using namespace pelsdk::ui;
using pelsdk::platform::d2d_offscreen_graphics;

uint32_t Alpha(uint32_t argb) { return argb >> 24; }
uint32_t Red(uint32_t argb) { return (argb >> 16) & 0xFF; }
uint32_t Green(uint32_t argb) { return (argb >> 8) & 0xFF; }
uint32_t Blue(uint32_t argb) { return argb & 0xFF; }

class D2dRender : public ::testing::Test {
protected:
    // Paints the root widget (the whole surface) with the given drawing.
    template <typename Draw>
    void Paint(Draw draw) {
        root.bounds = {0, 0, static_cast<int32_t>(graphics.width()),
                       static_cast<int32_t>(graphics.height())};
        drawing.begin_widget(root, {0, 0, root.bounds.width, root.bounds.height});
        draw();
        drawing.end_widget();
    }

    // Every pixel with ink, as the bounding box {left, top, right, bottom} (exclusive).
    std::array<uint32_t, 4> InkBox() const {
        std::array<uint32_t, 4> box{graphics.width(), graphics.height(), 0, 0};
        for (uint32_t y = 0; y < graphics.height(); ++y) {
            for (uint32_t x = 0; x < graphics.width(); ++x) {
                if (Alpha(graphics.pixel(x, y)) == 0) continue;
                box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x + 1),
                       std::max(box[3], y + 1)};
            }
        }
        return box;
    }

    d2d_offscreen_graphics graphics{64, 48};
    renderer drawing{graphics, nullptr};
    widget root;
};

TEST_F(D2dRender, OneDipOutlineCoversExactlyTheOuterPixelRing) {
    Paint([&] {
        drawing.set_stroke({1, 0, 0, 1}, 1);
        drawing.draw_rect({0, 0, 10, 10});
    });
    for (uint32_t y = 0; y < 12; ++y) {
        for (uint32_t x = 0; x < 12; ++x) {
            const bool ring = x < 10 && y < 10 && (x == 0 || y == 0 || x == 9 || y == 9);
            EXPECT_EQ(graphics.pixel(x, y), ring ? 0xFFFF0000u : 0u) << x << "," << y;
        }
    }
}

TEST_F(D2dRender, InvisibleFillDrawsNothingAndGradientEndsCarryTheirColours) {
    Paint([&] {
        drawing.set_fill_color({1, 1, 1, 0});
        drawing.fill_rect({0, 0, 64, 48});
        drawing.fill_vertical_gradient({0, 0, 8, 40}, {1, 0, 0, 1}, {0, 0, 1, 1});
    });
    EXPECT_EQ(graphics.pixel(20, 20), 0u);
    const uint32_t first = graphics.pixel(4, 0);
    const uint32_t last = graphics.pixel(4, 39);
    EXPECT_GE(Red(first), 240u);
    EXPECT_LE(Blue(first), 15u);
    EXPECT_GE(Blue(last), 240u);
    EXPECT_LE(Red(last), 15u);
    EXPECT_EQ(graphics.pixel(4, 40), 0u) << "nothing below the gradient";
}

TEST_F(D2dRender, TextInksInsideItsLayoutBoxOnly) {
    Paint([&] {
        drawing.set_text_color({1, 1, 1, 1});
        drawing.set_font("Tahoma", 11, font_weight::normal, font_style::normal, false);
        drawing.set_text_align(text_align::left, text_valign::top);
        drawing.draw_text({8, 10, 50, 20}, "Velkor", {});
    });
    const auto box = InkBox();
    ASSERT_LT(box[0], box[2]) << "some ink";
    EXPECT_GE(box[0], 8u);
    EXPECT_GE(box[1], 10u);
    EXPECT_LE(box[2], 58u);
    EXPECT_LE(box[3], 30u);
}

TEST_F(D2dRender, MeasureTextIsDirectWriteMetricsPlusOneTruncated) {
    drawing.set_font("Tahoma", 11, font_weight::normal, font_style::normal, false);
    const size measured = drawing.measure_text("Velkor Plug-in", {0, 0}, {});

    pelsdk::platform::com_ptr<IDWriteFactory> factory;
    ASSERT_TRUE(SUCCEEDED(DWriteCreateFactory(DWRITE_FACTORY_TYPE_SHARED, __uuidof(IDWriteFactory),
                                              reinterpret_cast<IUnknown**>(factory.out()))));
    pelsdk::platform::com_ptr<IDWriteTextFormat> format;
    ASSERT_TRUE(SUCCEEDED(factory->CreateTextFormat(L"Tahoma", nullptr, DWRITE_FONT_WEIGHT_NORMAL,
                                                    DWRITE_FONT_STYLE_NORMAL,
                                                    DWRITE_FONT_STRETCH_NORMAL, 11.0f, L"en-us",
                                                    format.out())));
    pelsdk::platform::com_ptr<IDWriteTextLayout> layout;
    ASSERT_TRUE(SUCCEEDED(factory->CreateTextLayout(L"Velkor Plug-in", 14, format.get(), 1e6f,
                                                    1e6f, layout.out())));
    DWRITE_TEXT_METRICS metrics{};
    layout->GetMetrics(&metrics);

    EXPECT_EQ(measured.width,
              static_cast<int32_t>(std::trunc(metrics.widthIncludingTrailingWhitespace + 1)));
    EXPECT_EQ(measured.height, static_cast<int32_t>(std::trunc(metrics.height + 1)));
    EXPECT_GT(measured.width, 40) << "a real font, not the 1 x 20 of a missing one";
    EXPECT_GT(measured.height, 10);
}

class D2dImage : public D2dRender {
protected:
    void Load(float scale) {
        const image_reference picture = theme_image(widget_style{}, "checkbox_image");
        ASSERT_TRUE(checkbox.load(picture.data, picture.size, scale));
    }

    pelsdk::platform::wic_imaging imaging;
    image checkbox{imaging};
};

TEST_F(D2dImage, ScaleTwoDrawsAtHalfSize) {
    Load(2.0f);
    EXPECT_EQ(checkbox.pixel_width(), 14u);
    EXPECT_EQ(checkbox.pixel_height(), 28u);
    Paint([&] { drawing.draw_image({0, 0}, checkbox, 1.0f); });
    const auto box = InkBox();
    EXPECT_EQ(box[0], 0u);
    EXPECT_EQ(box[1], 0u);
    EXPECT_LE(box[2], 7u);
    EXPECT_LE(box[3], 14u);
}

TEST_F(D2dImage, FrameOneShowsTheTickAndMultiplyKeepsRedAndAlpha) {
    Load(1.0f);
    checkbox.multiply({1, 0, 0, 1}, {0, 0, 0, 0});
    Paint([&] {
        drawing.draw_image_part({0, 0}, checkbox, image_frame(checkbox, 2, 0), 1.0f);
        drawing.draw_image_part({20, 0}, checkbox, image_frame(checkbox, 2, 1), 1.0f);
    });
    // The tick of frame one at (3, 7) of the frame: white made red.
    EXPECT_EQ(graphics.pixel(23, 7), 0xFFFF0000u);
    EXPECT_EQ(Alpha(graphics.pixel(3, 7)), 0u) << "frame zero has no tick";
    for (uint32_t y = 0; y < 14; ++y) {
        for (uint32_t x = 0; x < 34; ++x) {
            EXPECT_EQ(Green(graphics.pixel(x, y)) + Blue(graphics.pixel(x, y)), 0u) << x << "," << y;
        }
    }
}

}  // namespace
