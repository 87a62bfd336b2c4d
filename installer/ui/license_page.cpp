// The License page: the agreement on white, scrolled by a bar at its right edge.
#include "installer/ui/installer_files.h"
#include "installer/ui/installer_ui.h"
#include "installer/ui/page_layout.h"

using pelsdk::ui::color;
using pelsdk::ui::rect;

namespace {

constexpr color kWhite{1, 1, 1, 1};
constexpr int32_t kBarWidth = 15;
constexpr int32_t kTextLeft = 10;
// Room for the left margin, the bar and a gap before it.
constexpr int32_t kTextInset = 35;

}  // namespace

// The page fills the page area; it is not re-centred.
void InstallerUI::BuildLicensePage() {
    licenseDocument = std::string(LicenseDocument());
    const rect area = PageArea(root);

    pages[License].create_child(licenseViewport, {0, 0, area.width, area.height});
    licenseViewport.style.set_value("default_back_color", kWhite);

    licenseViewport.create_child(licenseScrollBar,
                                 {area.width - kBarWidth, 0, kBarWidth, area.height});
    licenseScrollBar.style.set_value("default_back_color", color{0.208f, 0.208f, 0.208f, 1});
    licenseScrollBar.step = 30;

    // Laid out in the width left of the bar; its height follows the document.
    licenseViewport.create_child(licenseText, {kTextLeft, 0, area.width - kTextInset, area.height});
    licenseText.style.set_value("default_back_color", kWhite);
    licenseText.style.set_alias("label_text_valign", "label_intro_text_valign");
    licenseText.style.set_alias("label_font_name", "license_label_font_name");
    licenseText.style.set_alias("label_font_size", "license_label_font_size");
    licenseText.style.set_alias("label_font_color", "license_label_font_color");
    licenseText.set_markup(licenseDocument, pelsdk::ui::text_fit::height);
    listen(licenseText, pelsdk::ui::event_type::mouse_up, &InstallerUI::OnLicenseMouseUp);
    licenseScrollBar.set_content(&licenseText);
}
