#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "installer/engine/thread_work_data.h"
#include "installer/engine/version_list.h"
#include "installer/ui/break_line.h"
#include "installer/ui/installed_checkbox.h"
#include "installer/ui/link_button.h"
#include "installer/ui/progress_bar.h"
#include "installer/ui/rounded_button.h"
#include "ui/core/window.h"
#include "ui/render/image.h"
#include "ui/widgets/check_box.h"
#include "ui/widgets/flow_panel.h"
#include "ui/widgets/generic_button.h"
#include "ui/widgets/generic_panel.h"
#include "ui/widgets/scroll_bar.h"
#include "ui/widgets/text_label.h"

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

    // The look: theme overrides, and the frame behind the pages (header band with logo and
    // notice, banner, background, footer band and, on the Welcome page, the start of the license
    // sentence).
    void ApplyInstallerTheme();
    void PaintFrame(const pelsdk::ui::event_info& info);

    // The pages and the moves between them.
    void BuildWelcomePage();
    void BuildVersionsPage();
    void BuildLicensePage();
    // Built anew on every entry to the Installing page.
    void BuildInstallingPage();
    // Shows a page with its footer buttons; returns the page that was current.
    WizardPage SetPage(WizardPage page);
    void OnButtonClick(const pelsdk::ui::event_info& info);
    void OnVersionsEvent(const pelsdk::ui::event_info& info);
    void OnLicenseMouseUp(const pelsdk::ui::event_info& info);
    // Escape does what CANCEL does, while CANCEL can be used.
    void OnKey(const pelsdk::ui::event_info& info);

    // The install run: the worker started, polled every 200 ms, its progress shown.
    void StartInstall();
    void OnInstallTimer();
    void UpdateInstallProgress();

    ThreadWorkData workData;
    std::thread workerThread;
    std::unique_ptr<pelsdk::ui::image> bannerPicture;
    std::unique_ptr<pelsdk::ui::image> backgroundPicture;
    std::unique_ptr<pelsdk::ui::image> logoPicture;
    pelsdk::ui::size logoSize{0, 0};
    std::string licenseDocument;
    std::string noticeText;

    // One panel per page, indexed by WizardPage.
    pelsdk::ui::generic_panel pages[4];
    pelsdk::ui::text_label welcomeTitle;
    pelsdk::ui::text_label versionsTitle;
    pelsdk::ui::text_label installingTitle;
    pelsdk::ui::text_label welcomeIntro;
    pelsdk::ui::text_label welcomeAgreement;
    pelsdk::ui::text_label welcomeVersionLine;
    pelsdk::ui::text_label licenseText;
    pelsdk::ui::text_label installingIntro;
    pelsdk::ui::text_label clickFinishLabel;
    pelsdk::ui::text_label freeSpaceLabel;
    pelsdk::ui::flow_panel versionsFlow{pelsdk::ui::flow_orientation::vertical,
                                        {.size_to_content = true, .watch_child_sizes = true}};
    BreakLine versionsBreak;
    BreakLine installingBreak;
    ProgressBar progressBar;
    pelsdk::ui::generic_panel licenseViewport;
    pelsdk::ui::scroll_bar licenseScrollBar{0};
    RoundedButton backButton;
    RoundedButton nextButton;
    RoundedButton cancelButton;
    std::vector<std::unique_ptr<pelsdk::ui::check_box>> versionCheckBoxes;
    std::vector<std::unique_ptr<InstalledCheckbox>> resultLines;
    pelsdk::ui::text_label installingLabel;
    pelsdk::ui::text_label progressTextLabel;
    pelsdk::ui::generic_button customFolderButton;
    LinkButton footerLicenseLink;
    LinkButton welcomeLicenseLink;
    pelsdk::ui::text_label customPathLabel;
    pelsdk::ui::text_label versionsIntro;
    std::vector<VersionEntry> versionEntries;
    uint32_t currentPage = Welcome;
    uint32_t previousPage = Welcome;

    // The install run.
    bool installFinished = false;
    uint32_t selectedCount = 0;
    float totalMegabytes = 0;
    pelsdk::ui::handler_id timerConnection = 0;

private:
    void CreateFooter();
    void DrawFooterSentence();
};
