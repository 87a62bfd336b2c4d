// The installer on a screen at 150 % (144 DPI): each dip is one and a half pixels, and the frame
// and the texts are drawn at that size rather than scaled up from a smaller picture. Runs on its
// own prefix and screen (at_150_percent.sh); elsewhere it is skipped.
#include <gtest/gtest.h>
#include <objbase.h>

#include "tests/e2e/installer_process.h"
#include "tests/e2e/msaa_tree.h"
#include "tests/e2e/registered_versions.h"
#include "tests/e2e/screen.h"

namespace {

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

constexpr int Scaled(int dips) { return dips * 3 / 2; }

// The green channel: the Welcome title is white ink on a dark band.
int Lightness(uint32_t colour) { return (colour >> 8) & 0xFF; }

// The mean width, in pixels, of the title's ink edges along its rows: the pixels between the
// background and the solid core of a stroke. Text drawn at its size measures about 0.5 here;
// the 96 DPI picture scaled up by 1.5 (bilinear) measures 0.93.
double MeanEdgeWidth(const ClientPicture& picture, const RECT& area) {
    int edges = 0, width = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        int run = 0;
        bool from_dark = false;
        for (int x = area.left; x < area.right; ++x) {
            const int light = Lightness(picture.At(x, y));
            if (light <= 80) {
                from_dark = true;
                run = 0;
            } else if (light >= 200) {
                if (from_dark) ++edges, width += run;
                from_dark = false;
                run = 0;
            } else {
                ++run;
            }
        }
    }
    return edges == 0 ? 99.0 : static_cast<double>(width) / edges;
}

TEST(AtOneHundredFiftyPercent, TheWindowAndItsDrawingAreScaled) {
    const char* expected = std::getenv("VELKOR_EXPECTED_DPI");
    if (!expected) GTEST_SKIP() << "needs a screen at 144 DPI (at_150_percent.sh)";
    ASSERT_EQ(ScreenDpi(), std::atoi(expected)) << "the prefix's LogPixels";

    // One version: the Versions page shows its box, checked, and the unchecked Custom box.
    RegisteredVersions versions{L"15.0"};
    HANDLE process = StartInstaller(InstallerPath(), L"/UAC");
    ASSERT_NE(process, nullptr);
    HWND installer = WaitForInstallerWindow(30000);
    ASSERT_NE(installer, nullptr);
    const Placement placed = PlacementOf(installer);
    EXPECT_EQ(placed.width, 1536);
    EXPECT_EQ(placed.height, 915);
    EXPECT_LE(placed.off_centre_x, 1);
    EXPECT_LE(placed.off_centre_y, 1);

    const bool painted = WaitForColour(installer, Scaled(840), Scaled(585), 0x068DDD);
    SaveScreenshot(installer, "at-150-percent");
    ASSERT_TRUE(painted) << "first frame";
    const ClientPicture picture = CaptureClient(installer);
    // The header band is 64 dips high; the footer pills sit at their places times 1.5.
    EXPECT_TRUE(Near(picture.At(750, 95), 0x121212)) << std::hex << picture.At(750, 95);
    EXPECT_FALSE(Near(picture.At(750, 97), 0x121212)) << std::hex << picture.At(750, 97);
    EXPECT_TRUE(Near(picture.At(Scaled(520), Scaled(585)), 0x242424)) << "CANCEL";
    EXPECT_TRUE(Near(picture.At(Scaled(660), Scaled(585)), 0x171717)) << "BACK";
    EXPECT_TRUE(Near(picture.At(Scaled(980), Scaled(585)), 0x068DDD)) << "NEXT";

    // A screen reader finds I AGREE where it is drawn: its place is given in pixels, not dips.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    RECT agree{0, 0, 0, 0};
    if (const MsaaElement found = FindElement(installer, ROLE_SYSTEM_PUSHBUTTON, "I AGREE");
        found.object) {
        agree = PlaceOf(found, installer);
    }
    CoUninitialize();
    for (const POINT drawn : {POINT{Scaled(830), Scaled(585)}, POINT{Scaled(980), Scaled(585)}}) {
        EXPECT_TRUE(PtInRect(&agree, drawn))
            << drawn.x << "," << drawn.y << " outside " << agree.left << "," << agree.top << " "
            << agree.right << "," << agree.bottom;
    }

    const RECT title{Scaled(520), Scaled(195), Scaled(940), Scaled(255)};
    EXPECT_LT(MeanEdgeWidth(picture, title), 0.75) << "sharp ink edges";

    // Check boxes draw one frame of a picture strip: the frame must be cut from the strip in
    // picture pixels, or a box shows parts of two frames (the checked box then holds 134 blue
    // pixels instead of 171).
    ClickAt(installer, Scaled(899), Scaled(585));
    ASSERT_TRUE(WaitForColour(installer, Scaled(660), Scaled(585), 0x242424)) << "Versions";
    const ClientPicture picture_of_versions = CaptureClient(installer);
    const auto box_at = [](int x) {
        return RECT{Scaled(x - 10), Scaled(347), Scaled(x + 10), Scaled(367)};
    };
    EXPECT_EQ(picture_of_versions.Count(box_at(731), 0x068DDD, 40), 0)
        << "Custom: unchecked, no blue";
    EXPECT_GT(picture_of_versions.Count(box_at(541), 0x068DDD, 40), 150) << "the version: checked";

    PostMessageW(installer, WM_CLOSE, 0, 0);
    EXPECT_EQ(RunToEnd(process, 20000), 0u);
    CloseHandle(process);
}

}  // namespace
