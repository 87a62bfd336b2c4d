// Moving between the wizard's pages.
#include "installer/ui/installer_ui.h"

namespace {

void Show(pelsdk::ui::widget& widget, bool visible, bool enabled) {
    widget.set_shown(visible);
    widget.set_enabled(enabled);
}

}  // namespace

// Every text change re-measures the button and repaints it.
void SetButtonText(pelsdk::ui::generic_button& button, std::string text) {
    button.caption = std::move(text);
    button.fit_width();
    button.invalidate(false);
}

WizardPage InstallerUI::SetPage(WizardPage page) {
    switch (page) {
        case Welcome:
            Show(backButton, true, false);
            Show(footerLicenseLink, true, true);
            SetButtonText(nextButton, "I AGREE");
            break;
        case License:
            Show(backButton, true, true);
            Show(footerLicenseLink, false, false);
            SetButtonText(nextButton, "I AGREE");
            break;
        case Installing:
            backButton.set_enabled(false);
            nextButton.set_enabled(false);
            Show(footerLicenseLink, false, false);
            SetButtonText(nextButton, "INSTALL");
            break;
        default:
            Show(backButton, true, true);
            Show(footerLicenseLink, false, false);
            SetButtonText(nextButton, "INSTALL");
            break;
    }
    if (page != Installing) Show(cancelButton, true, true);
    SetButtonText(cancelButton, "CANCEL");
    const auto old = static_cast<WizardPage>(currentPage);
    previousPage = currentPage;
    currentPage = page;
    // The footer sentence follows the page.
    root.invalidate(false);
    return old;
}
