#include "installer/engine/silent_run.h"

#include "installer/engine/apps_entry.h"
#include "installer/engine/deployment_selection.h"
#include "installer/engine/exit_codes.h"
#include "installer/engine/install_error_message.h"
#include "installer/engine/install_worker.h"
#include "installer/engine/path_helpers.h"
#include "installer/engine/plugin_removal.h"
#include "installer/engine/single_instance.h"

using pelsdk::platform::services;

namespace {

// The first line of the user's message for a status, with its code in it.
std::string StatusText(int32_t status) {
    const std::string message = InstallErrorMessage(status);
    return message.substr(0, message.find('\n'));
}

// Logs each selected row's result; true when every one is installed.
bool LogResults(const ThreadWorkData& data, std::vector<VersionEntry>& rows, InstallLog& log) {
    bool allInstalled = true;
    for (size_t i = 0; i < rows.size(); ++i) {
        VersionEntry& row = rows[i];
        if (!row.selected) continue;
        row.status = data.pluginStatus[i];
        const std::string target = RowName(row, data.versionNames) + " (" +
                                   WideToUtf8(row.pluginFolder) + "): ";
        if (IsInstalled(row)) {
            log.Write(target + "installed");
            continue;
        }
        allInstalled = false;
        const std::string error = log.WindowsError(data.pluginError[i]);
        log.Write(target + "not installed, status " + std::to_string(row.status) + ": " +
                  StatusText(row.status) + (error.empty() ? "" : " " + error));
    }
    return allInstalled;
}

int InstallSilently(const DeploymentRequest& request, services& os, InstallLog& log) {
    ThreadWorkData data(os);
    std::vector<VersionEntry> rows = DetectAndLog(data, log);
    if (const std::string refusal = SelectTargets(request, data.versionNames, rows);
        !refusal.empty()) {
        return log.End("Refused: " + refusal, kExitBadCommandLine);
    }
    const std::string selected = SelectedNames(rows, data.versionNames);
    if (selected.empty()) {
        return log.End("No After Effects version was found and no /FOLDER was given: nothing "
                          "to install into", kExitNoAfterEffects);
    }
    log.Write("Selected: " + selected);

    // The wizard's worker, on this thread: there is no window to keep responsive.
    InstallWorker(&data, FoldersToWrite(rows), {}, L"");
    if (!LogResults(data, rows, log)) {
        return log.End("One or more targets failed", kExitTargetsFailed);
    }
    const StepOutcome recorded = RecordInstall(os, InstalledFolders(rows));
    if (!recorded.failed.empty()) {
        log.Write(log.Failed(recorded.failed, recorded.error));
        return log.End("Installed, but not recorded for Apps & features", kExitTargetsFailed);
    }
    log.Write("Recorded in Apps & features");
    return log.End("Every selected target installed", kExitDone);
}

int RemoveSilently(const DeploymentRequest& request, services& os, InstallLog& log) {
    RemovalPlan plan = PlanRemoval(request, os, log);
    if (!plan.refusal.empty()) {
        return log.End("Refused: " + plan.refusal, kExitBadCommandLine);
    }
    if (!RemoveFromTargets(os, plan.targets, log)) {
        return log.End("One or more targets failed", kExitTargetsFailed);
    }
    return FinishRemoval(os, plan, log);
}

}  // namespace

int RunSilently(const DeploymentRequest& request, services& os, InstallLog& log) {
    // Never a prompt nobody would answer: the deployment tool must start it elevated.
    if (!os.info.is_elevated()) {
        return log.End("Not started with administrator rights, which /S needs: start it "
                          "elevated (as the deployment tool's system account)", kExitNotElevated);
    }
    if (!os.locks.try_hold(kInstallerInstanceName)) {
        return log.End("Another " VELKOR_EXE_FILENAME " is running: try again once it has "
                          "ended", kExitAnotherInstance);
    }
    return request.uninstall ? RemoveSilently(request, os, log)
                             : InstallSilently(request, os, log);
}
