#include "installer/ui/interactive_removal.h"

#include "installer/engine/exit_codes.h"
#include "installer/engine/path_helpers.h"
#include "installer/engine/plugin_removal.h"
#include "installer/engine/product.h"
#include "installer/ui/installer_popups.h"

using pelsdk::platform::services;

namespace {

// A blank line, then one line per target (only the failed ones when asked); "" without any.
std::string TargetLines(const std::vector<RemovalTarget>& targets, bool failedOnly) {
    std::string lines;
    for (const RemovalTarget& target : targets) {
        if (!failedOnly || target.error != 0) lines += (lines.empty() ? "\n\n" : "\n") + target.name;
    }
    return lines;
}

// The elevation prompt is the user's to refuse: that is a decline, like NO to the question.
int RunElevatedTwin(const DeploymentRequest& request, services& os, InstallLog& log) {
    const std::wstring parameters = TwinParameters(request);
    log.Write("Starting the installer with administrator rights: " + WideToUtf8(parameters));
    const pelsdk::platform::twin_result twin = os.launcher.run_elevated_and_wait(parameters);
    if (!twin.started) {
        const bool refused = twin.code == pelsdk::platform::kErrorCancelled;
        log.Write(log.Failed("starting it", twin.code));
        return refused ? kExitDeclined : kExitTargetsFailed;
    }
    log.Write("It ended with exit code " + std::to_string(twin.code));
    return static_cast<int>(twin.code);
}

bool UserRetries(services& os, const std::vector<RemovalTarget>& targets) {
    return AskUser(os, nullptr, "Failed to remove",
                   VELKOR_NAME " could not be removed from:" + TargetLines(targets, true) +
                       "\n\nMake sure that After Effects is closed.\n\nDo you want to retry?",
                   PopupSpacing::kError);
}

}  // namespace

int RemoveWithPopups(const DeploymentRequest& request, services& os, InstallLog& log) {
    if (!os.info.is_elevated()) {
        // A twin that is still not elevated would only start another.
        if (!request.elevatedTwin) return RunElevatedTwin(request, os, log);
        return log.End("Still without administrator rights after the elevation",
                       kExitNotElevated);
    }
    if (!HoldInstanceOrAsk(os)) {
        log.Write("Another installer is running, and the user did not retry");
        return kExitAnotherInstance;
    }
    RemovalPlan plan = PlanRemoval(request, os, log);
    if (!plan.refusal.empty()) {
        log.Write("Refused: " + plan.refusal);
        return kExitBadCommandLine;
    }
    if (!AskUser(os, nullptr, "Remove " VELKOR_NAME,
                 "Remove " VELKOR_NAME " from After Effects?" + TargetLines(plan.targets, false),
                 PopupSpacing::kNotice)) {
        log.Write("The user kept the plug-in");
        return kExitDeclined;
    }
    while (!RemoveFromTargets(os, plan.targets, log)) {
        if (!UserRetries(os, plan.targets)) {
            return log.End("The user did not retry", kExitTargetsFailed);
        }
    }
    const int code = FinishRemoval(os, plan, log);
    TellUser(os, VELKOR_NAME " removed",
             code == kExitDone ? VELKOR_NAME " was removed from After Effects."
                               : VELKOR_NAME " was removed from After Effects, but its line in "
                                 "Apps & features could not be removed.");
    return code;
}
