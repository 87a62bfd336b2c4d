// Moving between the wizard's pages, and what the Versions and License pages answer.
#include <algorithm>
#include <iterator>

#include "installer/engine/path_helpers.h"
#include "installer/engine/product.h"
#include "installer/ui/install_progress.h"
#include "installer/ui/installer_ui.h"
#include "installer/ui/installer_popups.h"
#include "installer/ui/page_layout.h"
#include "ui/core/clipboard_text.h"
#include "ui/core/folder_picker.h"
#include "ui/core/popup_menu.h"

using pelsdk::ui::event_info;
using pelsdk::ui::event_type;
using pelsdk::ui::widget;

namespace {

constexpr uint64_t kRightButton = 2;
constexpr uint32_t kCopyCommand = 2;

// The footer of a page; pages outside the wizard get the Versions footer.
struct FooterLook {
    bool backEnabled;
    const char* nextText;
    bool linkShown;
};

FooterLook FooterOf(WizardPage page) {
    switch (page) {
        case Welcome:
            return {false, "I AGREE", true};
        case Installing:
            return {false, "INSTALL", false};
        case License:
            return {true, "I AGREE", false};
        default:
            return {true, "INSTALL", false};
    }
}

// Shown and usable, or neither.
void SetAvailable(widget& target, bool available) {
    target.set_shown(available);
    target.set_enabled(available);
}

// The custom folder's row closes the list; null if a list ever lacks it.
VersionEntry* CustomRow(std::vector<VersionEntry>& rows) {
    if (rows.empty() || rows.back().index != kCustomVersionIndex) return nullptr;
    return &rows.back();
}

// The confirmation's result: 1 when the user confirmed, 0 otherwise.
int32_t AskToExit(InstallerUI& installer) {
    return AskUser(installer.platform(), &installer, "Exit Installer",
                   "Are you sure you want to cancel " VELKOR_PRODUCT " installation?",
                   PopupSpacing::kNotice)
               ? 1
               : 0;
}

}  // namespace

// Every text change re-measures the button and repaints it.
void SetButtonText(pelsdk::ui::generic_button& button, std::string text) {
    button.caption = std::move(text);
    button.fit_width();
    button.invalidate(false);
}

// While installing, BACK and NEXT stay put in the footer and only lose their use.
WizardPage InstallerUI::SetPage(WizardPage page) {
    if (page == Installing) BuildInstallingPage();
    const FooterLook look = FooterOf(page);
    if (page == Installing) {
        nextButton.set_enabled(false);
    } else {
        backButton.set_shown(true);
        SetAvailable(cancelButton, true);
    }
    backButton.set_enabled(look.backEnabled);
    SetAvailable(footerLicenseLink, look.linkShown);
    SetButtonText(nextButton, look.nextText);
    SetButtonText(cancelButton, "CANCEL");

    const auto showPanel = [this](uint32_t index, bool visible) {
        if (index < std::size(pages)) pages[index].set_shown(visible);
    };
    showPanel(currentPage, false);
    showPanel(page, true);
    const auto old = static_cast<WizardPage>(currentPage);
    previousPage = currentPage;
    currentPage = page;
    // The footer sentence follows the page.
    root.invalidate(false);
    if (page == Installing) StartInstall();
    return old;
}

// BACK on Welcome and NEXT on an unfinished install are disabled; were they clicked, they
// would do nothing rather than leave the wizard's pages.
void InstallerUI::OnButtonClick(const event_info& info) {
    const bool back = info.sender == &backButton;
    const bool next = info.sender == &nextButton;
    if (currentPage == License && (back || next)) {
        SetPage(static_cast<WizardPage>(previousPage));
    } else if (info.sender == &footerLicenseLink || info.sender == &welcomeLicenseLink) {
        SetPage(License);
    } else if (back) {
        if (currentPage > Welcome) SetPage(static_cast<WizardPage>(currentPage - 1));
    } else if (next) {
        if (installFinished) {
            close(1);
        } else if (currentPage < Installing) {
            SetPage(static_cast<WizardPage>(currentPage + 1));
        }
    } else if (info.sender == &cancelButton) {
        if (const int32_t result = AskToExit(*this); result != 0) close(result);
    }
}

void InstallerUI::OnKey(const event_info& info) {
    constexpr uint64_t kEscape = 0x1B;
    if (info.param1 == kEscape && cancelButton.is_visible(true) && cancelButton.is_enabled()) {
        pelsdk::ui::event_hub::instance().fire(&cancelButton, event_type::clicked);
    }
}

void InstallerUI::OnVersionsEvent(const event_info& info) {
    VersionEntry* custom = CustomRow(versionEntries);
    const bool customBox = !versionCheckBoxes.empty() && info.sender == versionCheckBoxes[0].get();
    if (info.sender == &customFolderButton && custom != nullptr) {
        const std::wstring folder =
            pelsdk::ui::select_folder(*this, "Custom Folder", custom->pluginFolder);
        if (!folder.empty()) {
            custom->pluginFolder = folder;
            FitHeight(customPathLabel, "\nCustom Plugin Path: " + WideToUtf8(folder));
        }
    } else if (customBox && custom != nullptr) {
        customFolderButton.set_enabled(custom->selected);
        customPathLabel.set_shown(custom->selected);
    } else if (info.sender == &versionsFlow && info.type == event_type::resized) {
        widget& page = pages[Versions];
        page.set_bounds(
            {page.bounds.x, page.bounds.y, std::max(page.bounds.width, page.min_size.width),
             std::max(Below(versionsFlow), page.min_size.height)},
            true);
    }
    // Rows already installed and the custom row without a folder need no room.
    if (freeSpaceLabel.created) {
        const float megabytes = RemainingMegabytes(versionEntries);
        FitHeight(freeSpaceLabel, megabytes == 0 ? "" : FreeSpaceText(megabytes));
    }
}

void InstallerUI::OnLicenseMouseUp(const event_info& info) {
    if (info.type != event_type::mouse_up || info.param1 != kRightButton ||
        info.sender != &licenseText) {
        return;
    }
    pelsdk::ui::popup_menu menu(*this);
    menu.add_item(kCopyCommand, -1, "Copy");
    // The label's text is the license as shown, without its tags; a busy clipboard skips it.
    if (menu.show_at_pointer() == kCopyCommand) {
        pelsdk::ui::copy_to_clipboard(*this, licenseText.text);
    }
}
