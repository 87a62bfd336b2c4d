#include "installer/engine/plugin_removal.h"

#include <algorithm>

#include "installer/engine/apps_entry.h"
#include "installer/engine/deployment_selection.h"
#include "installer/engine/exit_codes.h"
#include "installer/engine/path_helpers.h"
#include "installer/engine/plugin_location.h"

using pelsdk::platform::services;

namespace {

void AddTarget(RemovalPlan& plan, const std::string& name, const std::wstring& folder) {
    if (std::none_of(plan.targets.begin(), plan.targets.end(),
                     [&](const RemovalTarget& t) { return SamePath(t.folder, folder); })) {
        plan.targets.push_back({name, folder});
    }
}

}  // namespace

uint32_t RemovePluginFrom(pelsdk::platform::file_system& files, const std::wstring& pluginFolder) {
    const uint32_t error = files.delete_file(PluginFileIn(pluginFolder));
    if (error != 0 && !pelsdk::platform::is_not_found(error)) return error;
    // Only an empty folder goes: another file of the maker's keeps it.
    files.remove_folder(MakerFolderIn(pluginFolder));
    return 0;
}

RemovalPlan PlanRemoval(const DeploymentRequest& request, services& os, InstallLog& log) {
    ThreadWorkData data(os);
    std::vector<VersionEntry> rows = DetectAndLog(data, log);
    RemovalPlan plan;
    plan.refusal = SelectTargets(request, data.versionNames, rows);
    if (!plan.refusal.empty()) return plan;

    const std::vector<std::wstring> recorded = RecordedFolders(os.keys);
    for (const VersionEntry& row : rows) {
        if (row.index != kCustomVersionIndex) AddPathOnce(plan.watched, row.pluginFolder);
        if (row.selected) AddTarget(plan, RowName(row, data.versionNames), row.pluginFolder);
    }
    for (const std::wstring& folder : recorded) {
        AddPathOnce(plan.watched, folder);
        if (request.versions.empty()) AddTarget(plan, WideToUtf8(folder), folder);
    }
    if (!request.folder.empty()) AddPathOnce(plan.watched, request.folder);
    for (const RemovalTarget& target : plan.targets) {
        log.Write("To remove from " + target.name + ": " + WideToUtf8(PluginFileIn(target.folder)));
    }
    return plan;
}

bool RemoveFromTargets(services& os, std::vector<RemovalTarget>& targets, InstallLog& log) {
    bool allClear = true;
    for (RemovalTarget& target : targets) {
        target.error = RemovePluginFrom(os.files, target.folder);
        if (target.error == 0) {
            log.Write(target.name + ": no plug-in left");
        } else {
            log.Write(target.name + ": not removed, " + log.WindowsError(target.error));
            allClear = false;
        }
    }
    return allClear;
}

int FinishRemoval(services& os, const RemovalPlan& plan, InstallLog& log) {
    const bool copyLeft = std::any_of(plan.watched.begin(), plan.watched.end(),
                                      [&](const auto& f) { return HoldsPlugin(os.files, f); });
    if (copyLeft) {
        log.Write("The plug-in stays in folders this removal was not asked to clear: the Apps & "
                  "features entry stays");
    } else if (const StepOutcome forgot = ForgetInstall(os); !forgot.failed.empty()) {
        log.Write(log.Failed(forgot.failed, forgot.error));
        return log.End("Removal incomplete", kExitTargetsFailed);
    } else {
        log.Write("Apps & features entry and the installer's copy removed");
    }
    return log.End("Removal done", kExitDone);
}
