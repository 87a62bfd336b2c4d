// The maker's files as the build embedded them: the license agreement shown on the License page
// and the pictures of the installer's look.
#include "installer/ui/installer_files.h"
#include "platform/text_encoding.h"
#include "tests/support/widget_scene.h"
#include "ui/render/image.h"
#include "ui/widgets/markup_parser.h"
#include "ui/widgets/text_label.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace pelsdk::ui;

// A link as the document writes it: <a href="target">shown text</a>.
struct written_link {
    std::string target;
    std::string shown;
};

std::vector<written_link> WrittenLinks(std::string_view document) {
    const auto between = [&](size_t from, std::string_view end) {
        return std::string(document.substr(from, document.find(end, from) - from));
    };
    std::vector<written_link> links;
    const std::string_view opening = "<a href=\"";
    for (size_t at = document.find(opening); at != std::string_view::npos;
         at = document.find(opening, at + 1)) {
        const size_t target = at + opening.size();
        links.push_back({between(target, "\""), between(document.find('>', target) + 1, "</a>")});
    }
    return links;
}

std::vector<const text_run*> LinkRuns(const std::vector<text_run>& runs) {
    std::vector<const text_run*> found;
    for (const text_run& run : runs) {
        if (!run.link.empty()) found.push_back(&run);
    }
    return found;
}

class InstallerFilesTest : public WidgetTest {};

#ifndef VELKOR_OWN_LICENSE
// Line ends matter to the label: it drops CR and LF, so a line that ended inside the text would
// run the last word of one line into the first of the next.
TEST_F(InstallerFilesTest, LicenseIsTheDocumentedLengthWithCrLfLinesEndingAtTags) {
    const std::string_view license = LicenseDocument();
    EXPECT_EQ(license.size(), 25'759u);
    EXPECT_TRUE(license.starts_with("<html>\r\n"));
    EXPECT_TRUE(license.ends_with("</html>\r\n"));
    size_t line_start = 0;
    for (size_t end = license.find('\n'); end != std::string_view::npos;
         end = license.find('\n', end + 1)) {
        const std::string_view line = license.substr(line_start, end + 1 - line_start);
        SCOPED_TRACE(std::string(line.substr(0, 60)));
        ASSERT_TRUE(line.ends_with(">\r\n"));
        EXPECT_EQ(line.find('\r'), line.size() - 2);
        line_start = end + 1;
    }
    EXPECT_EQ(line_start, license.size());
}
#endif

TEST_F(InstallerFilesTest, LicenseParsesToVisibleTextWithEveryLinkAsARun) {
    text_run base;
    base.family = "Arial";
    base.size = 15.0f;
    const parsed_markup parsed = parse_markup(LicenseDocument(), base);
    EXPECT_GT(parsed.text.size(), LicenseDocument().size() / 2);
    EXPECT_EQ(parsed.text.find_first_of("<>\r"), std::string::npos);

    const std::u16string text = pelsdk::platform::utf8_to_utf16(parsed.text);
    const std::vector<written_link> written = WrittenLinks(LicenseDocument());
    const std::vector<const text_run*> runs = LinkRuns(parsed.runs);
    EXPECT_GE(written.size(), 2u);
    ASSERT_EQ(runs.size(), written.size());
    for (size_t i = 0; i < runs.size(); ++i) {
        SCOPED_TRACE(written[i].target);
        EXPECT_EQ(runs[i]->link, written[i].target);
        EXPECT_EQ(text.substr(runs[i]->start, runs[i]->end - runs[i]->start),
                  pelsdk::platform::utf8_to_utf16(written[i].shown));
        EXPECT_TRUE(runs[i]->underline);
    }
}

TEST_F(InstallerFilesTest, LicenseLabelGetsOneLinkAreaPerLinkRun) {
    text_label label;
    Add(label, {10, 0, 360, 100});
    label.set_markup(LicenseDocument(), text_fit::height);
    const std::vector<const text_run*> runs = LinkRuns(label.runs);
    ASSERT_EQ(label.links.size(), runs.size());
    int32_t previous_y = -1;
    for (size_t i = 0; i < runs.size(); ++i) {
        const rect& area = label.links[i].area;
        SCOPED_TRACE(runs[i]->link);
        EXPECT_EQ(label.links[i].target, runs[i]->link);
        EXPECT_GT(area.width, 0);
        EXPECT_GT(area.height, 0);
        EXPECT_LE(area.x + area.width, label.bounds.width);
        EXPECT_LE(area.y + area.height, label.bounds.height);
        EXPECT_GE(area.y, previous_y);  // links stand in document order down the text
        previous_y = area.y;
    }
}

TEST_F(InstallerFilesTest, PicturesDecodeToTheirPixelSizesAndFrames) {
    struct Case {
        const char* name;
        image_reference picture;
        bool jpeg;
        uint32_t pixel_width, pixel_height;
        uint32_t frames;
        float scale;
        rect last_frame;  // in dips
    };
    const Case cases[] = {
        {"banner", BannerPicture(), true, 900, 1000, 1, 1.0f, {0, 0, 900, 1000}},
        {"background", BackgroundPicture(), false, 576, 494, 1, 1.0f, {0, 0, 576, 494}},
        {"logo", LogoPicture(), false, 236, 72, 1, 2.0f, {0, 0, 118, 36}},
        {"checkbox", CheckboxPicture(), false, 14, 28, 2, 1.0f, {0, 14, 14, 14}},
        {"installed check", InstalledCheckPicture(), false, 38, 72, 2, 2.0f, {0, 18, 19, 18}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string_view signature = c.jpeg ? "\xFF\xD8\xFF" : "\x89PNG\r\n\x1A\n";
        ASSERT_GT(c.picture.size, signature.size());
        EXPECT_EQ(std::string_view(reinterpret_cast<const char*>(c.picture.data), signature.size()),
                  signature);
        EXPECT_EQ(c.picture.frames, c.frames);
        EXPECT_EQ(c.picture.scale, c.scale);

        image decoded;
        ASSERT_TRUE(load_image(decoded, TestImaging(), c.picture));
        EXPECT_EQ(decoded.pixel_width(), c.pixel_width);
        EXPECT_EQ(decoded.pixel_height(), c.pixel_height);
        EXPECT_EQ(image_frame(decoded, c.picture.frames, c.frames - 1), c.last_frame);
    }
}

}  // namespace
