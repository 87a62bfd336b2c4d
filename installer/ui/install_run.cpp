// The install run: the worker started, polled every 200 ms, its progress and outcome shown.
#include <functional>

#include "installer/engine/apps_entry.h"
#include "installer/engine/install_status.h"
#include "installer/engine/install_worker.h"
#include "installer/engine/product.h"
#include "installer/ui/install_progress.h"
#include "installer/ui/installer_ui.h"
#include "installer/ui/installer_popups.h"
#include "installer/ui/page_layout.h"

namespace {

constexpr uint32_t kInstallTimerId = 1;
constexpr uint32_t kInstallTimerMs = 200;

struct Failure {
    int32_t versionIndex = -1;
    int32_t code = 0;
};

// Copies the worker's statuses into the rows; the last failing row in list order is reported.
Failure TakeStatuses(const std::vector<int32_t>& statuses, std::vector<VersionEntry>& rows) {
    Failure failure;
    for (size_t i = 0; i < statuses.size() && i < rows.size(); ++i) {
        if (statuses[i] == 0) continue;
        rows[i].status = statuses[i];
        if (statuses[i] > StatusCode(InstallStatus::kInstalled)) {
            failure = {rows[i].index, statuses[i]};
        }
    }
    return failure;
}

// The run is over for good: NEXT becomes FINISH and closes the installer.
void FinishRun(InstallerUI& ui, const std::string& outcome) {
    FitHeight(ui.installingIntro, outcome);
    ui.cancelButton.set_enabled(false);
    ui.backButton.set_enabled(false);
    ui.nextButton.set_enabled(true);
    SetButtonText(ui.nextButton, "FINISH");
    ui.installFinished = true;
}

bool UserWantsRetry(InstallerUI& ui, const Failure& failure) {
    return AskUser(
        ui.platform(), &ui, "Failed to install",
        InstallFailureMessage(ui.workData.versionNames[failure.versionIndex], failure.code),
        PopupSpacing::kError);
}

void ShowOutcome(InstalledCheckbox& line, const std::string& versionName, bool installed) {
    line.ticked = installed;
    if (line.bound != nullptr) *line.bound = installed;
    line.caption = ResultLineText(versionName, installed);
    // Re-measures the caption and repaints the line.
    line.arrange(line.arrangement);
    line.set_shown(true);
}

// One line per selected row, in list order; a line stays hidden until its row's outcome is known.
void ShowResultLines(InstallerUI& ui) {
    size_t line = 0;
    for (const VersionEntry& row : ui.versionEntries) {
        if (!row.selected) continue;
        if (row.status > StatusCode(InstallStatus::kWriting) && line < ui.resultLines.size()) {
            ShowOutcome(*ui.resultLines[line], ui.workData.versionNames[row.index],
                        row.status == StatusCode(InstallStatus::kInstalled));
        }
        ++line;
    }
}

void ShowFinishedLook(InstallerUI& ui) {
    ui.installingLabel.set_shown(false);
    ui.clickFinishLabel.set_shown(true);
    if (!AllSelectedInstalled(ui.versionEntries)) return;
    ui.installingTitle.set_text("Mission Success!");
}

}  // namespace

void InstallerUI::StartInstall() {
    cancelButton.set_enabled(true);
    cancelButton.set_shown(true);
    backButton.set_enabled(false);
    backButton.set_shown(true);
    nextButton.set_enabled(false);
    SetButtonText(nextButton, "INSTALLING...");

    totalMegabytes = TotalMegabytes(versionEntries);
    selectedCount = CountSelected(versionEntries);

    // After a retry the timer already runs (it is never killed), and this adds nothing.
    add_timer(&root, kInstallTimerId, kInstallTimerMs, false);
    timerConnection = listen(root, pelsdk::ui::event_type::timer,
                             [this](const pelsdk::ui::event_info&) { OnInstallTimer(); });

    std::vector<std::wstring> folders = FoldersToWrite(versionEntries);
    // Sized and lowered here, before the thread exists, so that no tick sees the done of an
    // earlier run or copies a status list being resized.
    workData.PrepareRun(folders.size(), 0);
    workerThread = std::thread(InstallWorker, &workData, std::move(folders),
                               std::vector<std::wstring>(), std::wstring());
}

void InstallerUI::OnInstallTimer() {
    // done first: a done seen true comes with the final statuses copied after it.
    const bool done = workData.IsDone();
    const Failure failure = TakeStatuses(workData.CopyPluginStatus(), versionEntries);
    if (done) {
        pelsdk::ui::event_hub::instance().unregister(timerConnection);
        workerThread.join();
        if (failure.versionIndex < 0) {
            // The wizard keeps no log and shows nothing more: an entry that cannot be written
            // leaves the plug-in installed, only without its line in Apps & features.
            RecordInstall(platform(), InstalledFolders(versionEntries));
            FinishRun(*this, VELKOR_PLUGIN " successfully installed.");
        } else {
            UpdateInstallProgress();
            if (UserWantsRetry(*this, failure)) {
                StartInstall();
            } else {
                FinishRun(*this, "Some components of " VELKOR_PLUGIN " not correctly installed.");
            }
        }
    }
    UpdateInstallProgress();
}

void InstallerUI::UpdateInstallProgress() {
    const float fraction = ProgressFraction(versionEntries, selectedCount, installFinished);
    // Told only when it moves: a reader hears every notice, and this runs every 200 ms.
    if (progressBar.value != fraction) {
        progressBar.value = fraction;
        progressBar.announce(pelsdk::platform::access_event::value_changed);
    }
    progressBar.invalidate(true);

    const float doneMegabytes = totalMegabytes - RemainingMegabytes(versionEntries);
    progressTextLabel.set_markup(ProgressMarkup(fraction, doneMegabytes, totalMegabytes));
    progressTextLabel.invalidate(true);

    ShowResultLines(*this);
    if (installFinished) ShowFinishedLook(*this);
}
