#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "installer/engine/thread_work_data.h"
#include "installer/engine/version_list.h"
#include "installer/ui/link_button.h"
#include "installer/ui/rounded_button.h"
#include "ui/core/window.h"
#include "ui/render/image.h"

// The client area of the installer window, in dips; the position gives way to centring.
inline constexpr pelsdk::ui::rect kInstallerWindowRect{600, 200, 1024, 610};

enum WizardPage : uint32_t { Welcome = 0, Versions = 1, Installing = 2, License = 3 };

// Sets a button's text, re-measures it and repaints it.
void SetButtonText(pelsdk::ui::generic_button& button, std::string text);

// The installer's one window. It lives for the whole run; destroying it waits for a running
// install worker, so the process never ends in the middle of a write.
class InstallerUI : public pelsdk::ui::window {
public:
    explicit InstallerUI(pelsdk::platform::services& os);
    ~InstallerUI() override;

    // Installs the installer's theme overrides.
    void ApplyInstallerTheme();
    // The frame behind the pages: header band with logo and notice, banner, background, footer
    // band and, on the Welcome page, the start of the license sentence.
    void PaintFrame(const pelsdk::ui::event_info& info);
    // Shows a page with its footer buttons; returns the page that was current.
    WizardPage SetPage(WizardPage page);

    ThreadWorkData workData;
    std::thread workerThread;
    std::unique_ptr<pelsdk::ui::image> bannerPicture;
    std::unique_ptr<pelsdk::ui::image> backgroundPicture;
    std::unique_ptr<pelsdk::ui::image> logoPicture;
    pelsdk::ui::size logoSize{0, 0};
    std::string noticeText;
    LinkButton footerLicenseLink;
    RoundedButton cancelButton;
    RoundedButton backButton;
    RoundedButton nextButton;
    std::vector<VersionEntry> versionEntries;
    uint32_t currentPage = Welcome;
    uint32_t previousPage = Welcome;

private:
    void CreateFooter();
    void DrawFooterSentence();
};
