// The installer's frame: the footer widgets and the painting behind the pages.
#include "installer/engine/product.h"
#include "installer/ui/installer_ui.h"
#include "installer/ui/page_layout.h"
#include "ui/core/theme_picture.h"
#include "ui/theme/theme_lookup.h"

using pelsdk::ui::rect;
using pelsdk::ui::theme_color;
using pelsdk::ui::theme_int;

void InstallerUI::CreateFooter() {
    const int32_t F = theme_int(root.style, "footer_size");
    const int32_t W = root.bounds.width, H = root.bounds.height;
    root.create_child(footerLicenseLink, {180, H - F + (F - 15) / 2, 210, 15});
    footerLicenseLink.style.set_alias("button_font_name", "footer_text_font_name");
    footerLicenseLink.style.set_alias("button_font_size", "footer_text_font_size");
    footerLicenseLink.style.set_alias("button_font_color", "title_font_color");
    footerLicenseLink.style.set_value("button_font_weight", int32_t{1});
    footerLicenseLink.UseTextOnlyLook();
    SetButtonText(footerLicenseLink, VELKOR_MAKER_LEGAL " License Agreement");

    // The 30-dip pills are centred in the footer band.
    const int32_t y = H - F + (F - 30) / 2;
    root.create_child(cancelButton, {W - 520, y, 110, 30});
    root.create_child(backButton, {W - 380, y, 110, 30});
    root.create_child(nextButton, {W - 210, y, 170, 30});
    cancelButton.UsePlainLook();
    backButton.UsePlainLook();
    nextButton.UseAccentLook();
    SetButtonText(cancelButton, "CANCEL");
    SetButtonText(backButton, "BACK");
    SetButtonText(nextButton, "NEXT");
    for (pelsdk::ui::generic_button* button :
         {static_cast<pelsdk::ui::generic_button*>(&footerLicenseLink),
          static_cast<pelsdk::ui::generic_button*>(&cancelButton),
          static_cast<pelsdk::ui::generic_button*>(&backButton),
          static_cast<pelsdk::ui::generic_button*>(&nextButton)}) {
        listen(*button, pelsdk::ui::event_type::clicked, &InstallerUI::OnButtonClick);
    }
}

void InstallerUI::PaintFrame(const pelsdk::ui::event_info&) {
    const pelsdk::ui::widget_style& theme = root.style;
    pelsdk::ui::renderer& draw = drawing();
    const int32_t W = root.bounds.width, H = root.bounds.height;
    const int32_t T = theme_int(theme, "header_size"), F = theme_int(theme, "footer_size");
    const pelsdk::ui::size banner = pelsdk::ui::theme_pair(theme, "banner_size");

    draw.set_fill_color(theme_color(theme, "main_back_color"));
    draw.fill_rect({0, 0, W, T});
    // The logo's size is measured once, when it is first loaded.
    if (pelsdk::ui::load_theme_picture(*logoPicture, root, "logo_image")) {
        logoSize = logoPicture->logical_size();
    }
    draw.draw_image_stretched({28, (T - logoSize.height) / 2, logoSize.width, logoSize.height},
                              *logoPicture, 1.0f);

    draw.set_font(pelsdk::ui::theme_text(theme, "header_text_font_name"),
                  pelsdk::ui::theme_float(theme, "header_text_font_size"),
                  pelsdk::ui::font_weight::normal, pelsdk::ui::font_style::italic, false);
    draw.set_text_color(theme_color(theme, "header_text_font_color"));
    draw.set_text_align(pelsdk::ui::text_align::left, pelsdk::ui::text_valign::center);
    if (!noticeText.empty()) draw.draw_text({W - 260, 0, 260, T}, noticeText, {});

    pelsdk::ui::load_theme_picture(*bannerPicture, root, "banner_image");
    draw.draw_image_stretched({0, T, banner.width, banner.height}, *bannerPicture, 1.0f);
    pelsdk::ui::load_theme_picture(*backgroundPicture, root, "background_image");
    draw.draw_image_stretched({banner.width, T, W - banner.width, H - F - T}, *backgroundPicture,
                              1.0f);

    draw.set_fill_color(theme_color(theme, "main_back_color"));
    draw.fill_rect({0, H - F, W, F});
    if (currentPage == Welcome) DrawFooterSentence();
}

// The footer license link continues the sentence at x = 180.
void InstallerUI::DrawFooterSentence() {
    const pelsdk::ui::widget_style& theme = root.style;
    pelsdk::ui::renderer& draw = drawing();
    const int32_t H = root.bounds.height, F = theme_int(theme, "footer_size");
    draw.set_font(pelsdk::ui::theme_text(theme, "footer_text_font_name"),
                  pelsdk::ui::theme_float(theme, "footer_text_font_size"),
                  pelsdk::ui::font_weight::normal, pelsdk::ui::font_style::normal, false);
    draw.set_text_color(theme_color(theme, "footer_text_font_color"));
    draw.set_text_align(pelsdk::ui::text_align::left, pelsdk::ui::text_valign::center);
    draw.draw_text({28, H - F, 180, F}, "By installing, you agree to the", {});
}
