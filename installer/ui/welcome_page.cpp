// The Welcome page: greeting, what will be installed, the license sentence and the version.
#include "installer/engine/product.h"
#include "installer/ui/installer_ui.h"
#include "installer/ui/page_layout.h"

using pelsdk::ui::rect;

namespace {

// The version as the maker writes it, with its trailing space.
constexpr const char* kVersionText = VELKOR_VERSION " ";

// The link reads as the continuation of the sentence: intro font, no fill, no border.
void UseInlineLinkLook(LinkButton& link) {
    link.style.set_alias("button_font_name", "intro_font_name");
    link.style.set_alias("button_font_size", "intro_font_size");
    link.style.set_alias("button_font_color", "intro_font_color");
    link.UseTextOnlyLook();
}

}  // namespace

void InstallerUI::BuildWelcomePage() {
    pelsdk::ui::widget& page = pages[Welcome];
    const rect area = PageArea(root);

    page.create_child(welcomeTitle, {0, 0, area.width - 140, 60});
    UseTransparentBack(welcomeTitle);
    UseTitleLook(welcomeTitle);
    FitHeight(welcomeTitle, "Welcome to the " VELKOR_PLUGIN " Installer for After Effects!");

    page.create_child(welcomeIntro, {0, Below(welcomeTitle), area.width - 150, 60});
    UseTransparentBack(welcomeIntro);
    UseIntroLook(welcomeIntro);
    FitHeight(welcomeIntro, std::string("This will install " VELKOR_PLUGIN " ") + kVersionText +
                                " on your computer!\n\n"
                                "It is recommended that you close all other applications "
                                "before continuing.\n");

    // The sentence follows the intro without a gap and ends where the link begins.
    const rect& intro = welcomeIntro.bounds;
    page.create_child(welcomeAgreement, {0, intro.y + intro.height, area.width - 150, 60});
    UseTransparentBack(welcomeAgreement);
    welcomeAgreement.style.set_value("label_text_valign", int32_t{0});
    welcomeAgreement.style.set_alias("label_font_size", "intro_font_size");
    welcomeAgreement.style.set_alias("label_font_name", "intro_font_name");
    welcomeAgreement.style.set_alias("label_font_color", "intro_font_color");
    FitWidth(welcomeAgreement, "By installing you agree to the ");

    const rect& sentence = welcomeAgreement.bounds;
    page.create_child(welcomeLicenseLink,
                      {sentence.x + sentence.width, sentence.y, 250, sentence.height});
    UseInlineLinkLook(welcomeLicenseLink);
    SetButtonText(welcomeLicenseLink, VELKOR_MAKER_LEGAL " License Agreement");
    listen(welcomeLicenseLink, pelsdk::ui::event_type::clicked, &InstallerUI::OnButtonClick);

    page.create_child(welcomeVersionLine, {0, Below(welcomeAgreement), area.width - 150, 60});
    UseTransparentBack(welcomeVersionLine);
    UseNoteLook(welcomeVersionLine);
    FitHeight(welcomeVersionLine, std::string("Version: ") + kVersionText);

    CenterColumn(page, welcomeVersionLine, area);
}
