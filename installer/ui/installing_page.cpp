// The Installing page: progress, one result line per selected version, the closing hint.
#include "installer/engine/product.h"
#include "installer/ui/installer_ui.h"
#include "installer/ui/page_layout.h"

using pelsdk::ui::rect;

namespace {

constexpr int32_t kRowHeight = 20;
constexpr int32_t kResultLineStep = 25;
constexpr int32_t kFinishGap = 20;

// Drawn from the result picture in the installer's own font, with a wider gap.
void UseResultLook(InstalledCheckbox& line) {
    line.style.set_alias("checkbox_font_name", "installed_check_font_name");
    line.style.set_alias("checkbox_font_weight", "installed_check_font_wight");
    line.style.set_alias("checkbox_font_color", "installed_check_font_color");
    line.style.set_alias("checkbox_font_size", "installed_check_font_size");
    line.style.set_alias("checkbox_image", "installed_check_image");
    line.style.set_value("checkbox_text_gap", int32_t{10});
    UseTransparentBack(line);
}

}  // namespace

void InstallerUI::BuildInstallingPage() {
    pelsdk::ui::widget& page = pages[Installing];
    // Built anew on every entry: what an earlier entry made goes first.
    for (pelsdk::ui::widget* child : page.children) forget_widget(*child);
    page.remove_all_children();
    resultLines.clear();
    const rect area = PageArea(root);
    const int32_t columnWidth = area.width - 150;

    page.create_child(installingTitle, {0, 0, area.width - 140, 60});
    UseTransparentBack(installingTitle);
    UseTitleLook(installingTitle);
    FitHeight(installingTitle, VELKOR_INSTALLER_TITLE);

    page.create_child(installingIntro, {0, Below(installingTitle), columnWidth, 60});
    UseIntroLook(installingIntro);
    installingIntro.style.set_value("default_back_color", pelsdk::ui::color{1, 1, 1, 0});
    FitHeight(installingIntro, "Installing " VELKOR_PRODUCT ", please wait...");

    page.create_child(installingBreak, {0, Below(installingIntro), columnWidth, 20});
    page.create_child(progressBar, {0, Below(installingBreak), columnWidth, 15});

    const int32_t statusRow = Below(progressBar);
    page.create_child(installingLabel, {0, statusRow, 100, kRowHeight});
    UseTransparentBack(installingLabel);
    UseIntroLook(installingLabel);
    installingLabel.style.set_alias("label_font_color", "installing_label_font_color");
    installingLabel.style.set_alias("label_font_style", "installing_label_font_style");
    installingLabel.set_text("Installing...");

    // Over the whole row, right-aligned: its text ends at the column's right edge.
    page.create_child(progressTextLabel, {0, statusRow, columnWidth, kRowHeight});
    progressTextLabel.style.set_value("default_back_color", pelsdk::ui::color{0.5f, 0.5f, 0.5f, 0});
    progressTextLabel.style.set_alias("label_text_valign", "label_intro_text_valign");
    progressTextLabel.style.set_alias("label_font_size", "progress_label_font_size");
    progressTextLabel.style.set_alias("label_font_name", "intro_font_name");
    progressTextLabel.style.set_alias("label_font_color", "intro_font_color");
    progressTextLabel.style.set_value("label_text_align", int32_t{2});

    const int32_t firstLine = Below(progressTextLabel);
    int32_t y = firstLine;
    for (const VersionEntry& row : versionEntries) {
        if (!row.selected) continue;
        auto line = std::make_unique<InstalledCheckbox>();
        line->caption = VELKOR_PRODUCT " " + workData.versionNames[row.index];
        UseResultLook(*line);
        page.create_child(*line, {0, y, columnWidth, kRowHeight});
        line->set_shown(false);
        resultLines.push_back(std::move(line));
        y += kResultLineStep;
    }

    // Last in the column even while hidden, so the page keeps room for it.
    page.create_child(clickFinishLabel, {0, y + kFinishGap, columnWidth, 60});
    UseTransparentBack(clickFinishLabel);
    UseIntroLook(clickFinishLabel);
    FitHeight(clickFinishLabel, "Click Finish to close installer.");
    clickFinishLabel.set_shown(false);

    CenterColumn(page, clickFinishLabel, area);
}
