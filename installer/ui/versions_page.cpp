// The Versions page: one box per detected version, the custom folder and the free-space line.
#include "installer/engine/path_helpers.h"
#include "installer/engine/product.h"
#include "installer/ui/install_progress.h"
#include "installer/ui/installer_ui.h"
#include "installer/ui/page_layout.h"
#include "ui/widgets/tooltip.h"

using pelsdk::ui::event_type;
using pelsdk::ui::rect;

namespace {

constexpr int32_t kBoxWidth = 85;
constexpr int32_t kBoxHeight = 14;
constexpr int32_t kColumnStep = 95;
constexpr int32_t kRowStep = 20;
// The custom box closes the first row, with its folder button after it.
constexpr int32_t kCustomBoxX = 190;
constexpr int32_t kFolderButtonX = 285;

// Cell k of the two-column grid whose first row is at `top`.
rect GridCell(size_t k, int32_t top) {
    return {static_cast<int32_t>(k % 2) * kColumnStep, top + static_cast<int32_t>(k / 2) * kRowStep,
            kBoxWidth, kBoxHeight};
}

}  // namespace

void InstallerUI::BuildVersionsPage() {
    pelsdk::ui::widget& page = pages[Versions];
    const rect area = PageArea(root);
    const int32_t columnWidth = area.width - 150;

    page.create_child(versionsTitle, {0, 0, area.width - 140, 60});
    UseTransparentBack(versionsTitle);
    UseTitleLook(versionsTitle);
    FitHeight(versionsTitle, VELKOR_INSTALLER_TITLE);

    page.create_child(versionsIntro, {0, Below(versionsTitle), columnWidth, 60});
    UseTransparentBack(versionsIntro);
    UseIntroLook(versionsIntro);
    FitHeight(versionsIntro, "Select which versions of Adobe After Effects to install.");

    page.create_child(versionsBreak, {0, Below(versionsIntro), columnWidth, 20});

    // The newest versions come first, the custom box (the last row) first of all.
    const int32_t firstRow = Below(versionsBreak);
    size_t cells = 0;
    for (auto row = versionEntries.rbegin(); row != versionEntries.rend(); ++row) {
        const bool custom = row->index == kCustomVersionIndex;
        auto box = std::make_unique<pelsdk::ui::check_box>();
        box->caption = workData.versionNames[row->index];
        box->bound = &row->selected;
        UseTransparentBack(*box);
        page.create_child(*box, custom ? rect{kCustomBoxX, firstRow, kBoxWidth, kBoxHeight}
                                       : GridCell(cells++, firstRow));
        box->set_enabled(true);
        // Built once: the custom box's tip keeps naming the folder it had at start.
        pelsdk::ui::add_tooltip(*box, {0, 0, 0, 0}, "",
                    "[Plugin] " + WideToUtf8(JoinPath(row->pluginFolder, L"" VELKOR_MAKER)));
        listen(*box, event_type::value_changed, &InstallerUI::OnVersionsEvent);
        versionCheckBoxes.push_back(std::move(box));
    }

    page.create_child(customFolderButton, {kFolderButtonX, firstRow - 5, 110, 25});
    SetButtonText(customFolderButton, "Plugin Path");
    customFolderButton.set_enabled(false);
    listen(customFolderButton, event_type::mouse_up, &InstallerUI::OnVersionsEvent);

    // Under the first row of boxes, one row further down per pair of versions.
    const int32_t flowTop = firstRow + kBoxHeight + kRowStep * static_cast<int32_t>(cells / 2);
    page.create_child(versionsFlow, {0, flowTop, columnWidth, 10});
    listen(versionsFlow, event_type::resized, &InstallerUI::OnVersionsEvent);

    versionsFlow.create_child(customPathLabel, {0, 0, columnWidth, 0});
    customPathLabel.style.set_value("default_back_color", pelsdk::ui::color{1, 1, 1, 0});
    customPathLabel.style.set_alias("label_font_size", "label_path_font_size");
    customPathLabel.style.set_alias("label_text_valign", "label_path_text_valign");
    // Shown, like the folder button enabled, only while the custom box is ticked.
    customPathLabel.set_shown(false);

    versionsFlow.create_child(freeSpaceLabel, {0, 0, columnWidth, 60});
    UseTransparentBack(freeSpaceLabel);
    UseNoteLook(freeSpaceLabel);
    // One copy whatever is selected: the flow's first resize puts the real figure in.
    FitHeight(freeSpaceLabel, FreeSpaceText(kPayloadMegabytes));

    versionsFlow.layout();
    CenterColumn(page, versionsFlow, area);
}
