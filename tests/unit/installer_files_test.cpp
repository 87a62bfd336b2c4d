// The maker's pictures as the build embedded them. Their formats and pixel sizes, and the
// license's length and line ends, are checked when the build is configured; what is left is how
// the installer's look cuts each picture.
#include "installer/ui/installer_files.h"
#include "tests/support/test_imaging.h"
#include "ui/render/image.h"

#include <gtest/gtest.h>

namespace {

using namespace pelsdk::ui;

TEST(InstallerFilesTest, PicturesDecodeWithTheFramesAndScaleTheLookCutsThemBy) {
    struct Case {
        const char* name;
        image_reference picture;
        uint32_t frames;
        float scale;
    };
    const Case cases[] = {
        {"banner", BannerPicture(), 1, 1.0f},
        {"background", BackgroundPicture(), 1, 1.0f},
        {"logo", LogoPicture(), 1, 2.0f},
        {"checkbox", CheckboxPicture(), 2, 1.0f},
        {"installed check", InstalledCheckPicture(), 2, 2.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.picture.frames, c.frames);
        EXPECT_EQ(c.picture.scale, c.scale);
        image decoded;
        EXPECT_TRUE(load_image(decoded, TestImaging(), c.picture));
    }
}

}  // namespace
