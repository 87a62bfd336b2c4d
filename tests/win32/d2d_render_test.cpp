// The renderer on the real Direct2D, DirectWrite and WIC, drawing into a WIC bitmap whose
// pixels are read back.
#include <windows.h>
#include <dwrite.h>
#include <gtest/gtest.h>

#include "platform/win32/com_ptr.h"
#include "platform/win32/d2d_graphics.h"
#include "platform/win32/wic_imaging.h"
#include "tests/support/test_pictures.h"
#include "tests/support/widget_drawing.h"
#include "ui/core/widget.h"
#include "ui/render/image.h"
#include "ui/render/renderer.h"
#include "ui/theme/theme_lookup.h"

#include <cmath>

namespace {

using namespace pelsdk::ui;

uint32_t Channel(uint32_t argb, int shift) { return (argb >> shift) & 0xFF; }

class D2dRender : public ::testing::Test {
protected:
    template <typename Draw>
    void Paint(Draw draw) {
        root.bounds = {0, 0, 64, 48};
        BeginWidget(drawing, root, {0, 0, 64, 48});
        draw();
        drawing.end_widget();
    }

    pelsdk::platform::d2d_offscreen_graphics graphics{64, 48};
    renderer drawing{graphics, nullptr};
    widget root;
};

TEST_F(D2dRender, OutlineGradientAndTextLandOnTheirPixels) {
    Paint([&] {
        drawing.set_stroke({1, 0, 0, 1}, 1);
        drawing.draw_rect({0, 0, 10, 10});
        drawing.fill_vertical_gradient({12, 0, 8, 40}, {1, 0, 0, 1}, {0, 0, 1, 1});
        drawing.set_text_color({1, 1, 1, 1});
        drawing.set_font("Tahoma", 11, font_weight::normal, font_style::normal, false);
        drawing.set_text_align(text_align::left, text_valign::top);
        drawing.draw_text({24, 10, 36, 20}, "Velk", {});
    });
    // A 1-dip outline covers exactly the outer pixel ring.
    for (uint32_t y = 0; y < 12; ++y) {
        for (uint32_t x = 0; x < 12; ++x) {
            const bool ring = x < 10 && y < 10 && (x == 0 || y == 0 || x == 9 || y == 9);
            EXPECT_EQ(graphics.pixel(x, y), ring ? 0xFFFF0000u : 0u) << x << "," << y;
        }
    }
    // The gradient's ends carry their colours and nothing is drawn below it.
    EXPECT_GE(Channel(graphics.pixel(16, 0), 16), 240u);
    EXPECT_LE(Channel(graphics.pixel(16, 0), 0), 15u);
    EXPECT_GE(Channel(graphics.pixel(16, 39), 0), 240u);
    EXPECT_LE(Channel(graphics.pixel(16, 39), 16), 15u);
    EXPECT_EQ(graphics.pixel(16, 40), 0u);
    // Text inks inside its layout box only.
    uint32_t ink = 0, outside = 0;
    for (uint32_t y = 0; y < 48; ++y) {
        for (uint32_t x = 22; x < 64; ++x) {
            if (graphics.pixel(x, y) == 0) continue;
            (x >= 24 && x < 60 && y >= 10 && y < 30 ? ink : outside)++;
        }
    }
    EXPECT_GT(ink, 0u);
    EXPECT_EQ(outside, 0u);
}

TEST_F(D2dRender, MeasureTextIsDirectWriteMetricsPlusOneTruncated) {
    drawing.set_font("Tahoma", 11, font_weight::normal, font_style::normal, false);
    const size measured = drawing.measure_text("Velkor Plug-in", {0, 0}, {});

    pelsdk::platform::com_ptr<IDWriteFactory> factory;
    pelsdk::platform::com_ptr<IDWriteTextFormat> format;
    pelsdk::platform::com_ptr<IDWriteTextLayout> layout;
    ASSERT_TRUE(SUCCEEDED(DWriteCreateFactory(DWRITE_FACTORY_TYPE_SHARED, __uuidof(IDWriteFactory),
                                              reinterpret_cast<IUnknown**>(factory.out()))));
    ASSERT_TRUE(SUCCEEDED(factory->CreateTextFormat(L"Tahoma", nullptr, DWRITE_FONT_WEIGHT_NORMAL,
                                                    DWRITE_FONT_STYLE_NORMAL,
                                                    DWRITE_FONT_STRETCH_NORMAL, 11.0f, L"en-us",
                                                    format.out())));
    ASSERT_TRUE(SUCCEEDED(factory->CreateTextLayout(L"Velkor Plug-in", 14, format.get(), 1e6f,
                                                    1e6f, layout.out())));
    DWRITE_TEXT_METRICS metrics{};
    layout->GetMetrics(&metrics);
    EXPECT_EQ(measured.width,
              static_cast<int32_t>(std::trunc(metrics.widthIncludingTrailingWhitespace + 1)));
    EXPECT_EQ(measured.height, static_cast<int32_t>(std::trunc(metrics.height + 1)));
    EXPECT_GT(measured.width, 40) << "a real font, not the 1 x 20 of a missing one";
}

TEST_F(D2dRender, FrameOneShowsTheTickAndMultiplyKeepsRedAndAlpha) {
    pelsdk::platform::wic_imaging imaging;
    image checkbox;
    const image_reference picture = theme_image(widget_style{}, "checkbox_image");
    const std::vector<uint8_t> damaged = test_pictures::DamagedPng();
    EXPECT_FALSE(checkbox.load(imaging, damaged.data(), damaged.size(), 1.0f)) << "damaged pixels";
    ASSERT_TRUE(checkbox.load(imaging, picture.data, picture.size, 1.0f));
    checkbox.multiply({1, 0, 0, 1}, {0, 0, 0, 0});
    Paint([&] {
        drawing.draw_image_part({0, 0}, checkbox, image_frame(checkbox, 2, 0), 1.0f);
        drawing.draw_image_part({20, 0}, checkbox, image_frame(checkbox, 2, 1), 1.0f);
    });
    // The tick of frame one at (3, 7) of the frame: white made red.
    EXPECT_EQ(graphics.pixel(23, 7), 0xFFFF0000u);
    EXPECT_EQ(Channel(graphics.pixel(3, 7), 24), 0u) << "frame zero has no tick";
    for (uint32_t y = 0; y < 14; ++y) {
        for (uint32_t x = 0; x < 34; ++x) {
            EXPECT_EQ(graphics.pixel(x, y) & 0xFFFF, 0u) << x << "," << y;
        }
    }
}

}  // namespace
