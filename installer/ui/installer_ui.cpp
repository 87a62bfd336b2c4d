#include "installer/ui/installer_ui.h"

#include "installer/engine/product.h"
#include "installer/ui/installer_theme.h"
#include "installer/ui/page_layout.h"
#include "ui/theme/theme_lookup.h"

namespace {

std::unique_ptr<pelsdk::ui::image> EmptyPicture() {
    return std::make_unique<pelsdk::ui::image>();
}

// One transparent panel per page over the page area, hidden until its page is shown.
void CreatePagePanels(InstallerUI& installer) {
    const pelsdk::ui::rect area = PageArea(installer.root);
    for (pelsdk::ui::generic_panel& page : installer.pages) {
        installer.root.create_child(page, area);
        page.style.set_value("default_back_color", pelsdk::ui::color{0, 0, 0, 0});
        page.set_shown(false);
    }
}

}  // namespace

InstallerUI::InstallerUI(pelsdk::platform::services& os)
    : window(os),
      workData(os),
      bannerPicture(EmptyPicture()),
      backgroundPicture(EmptyPicture()),
      logoPicture(EmptyPicture()) {
    create(VELKOR_INSTALLER_TITLE, kInstallerWindowRect, 0);
    ApplyInstallerTheme();
    listen(root, pelsdk::ui::event_type::paint, &InstallerUI::PaintFrame);
    listen(*this, pelsdk::ui::event_type::key_down, &InstallerUI::OnKey);
    versionEntries = BuildVersionList(workData);
    CreatePagePanels(*this);
    BuildWelcomePage();
    BuildVersionsPage();
    BuildLicensePage();
    CreateFooter();
    SetPage(Welcome);
    center();
    noticeText = VELKOR_NAME " " VELKOR_VERSION " \xc2\xb7 \xc2\xa9 2026 " VELKOR_MAKER_LEGAL;
}

InstallerUI::~InstallerUI() {
    if (workerThread.joinable()) workerThread.join();
}

void InstallerUI::ApplyInstallerTheme() { pelsdk::ui::set_theme(InstallerThemeMap()); }
