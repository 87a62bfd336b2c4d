#include "installer/engine/install_worker.h"

#include "installer/engine/file_replacement.h"
#include "installer/engine/install_status.h"
#include "installer/engine/path_helpers.h"
#include "installer/engine/plugin_location.h"
#include "installer/engine/product.h"

namespace {

struct TargetResult {
    InstallStatus status;
    uint32_t error;  // the Windows error behind a failure
};

TargetResult WritePlugin(pelsdk::platform::services& os, const std::wstring& folder) {
    // An existing folder is fine; any other failure shows when the file is opened.
    os.files.make_directory(MakerFolderIn(folder));
    const std::wstring file = PluginFileIn(folder);

    const auto located = os.resources.find_rcdata(kPluginResourceId);
    if (!located) return {InstallStatus::kResourceNotFound, 0};
    const auto loaded = os.resources.load(*located);
    if (!loaded) return {InstallStatus::kResourceLoadFailed, 0};

    // One write straight from the mapped resource: no intermediate copy.
    const std::wstring partial = PartialFile(file);
    const pelsdk::platform::write_outcome written =
        os.files.write_file(partial, os.resources.lock(*loaded), os.resources.size(*located));
    switch (written.result) {
        case pelsdk::platform::write_file_result::open_failed:
            return {InstallStatus::kFileOpenFailed, written.error};
        case pelsdk::platform::write_file_result::write_failed:
            os.files.delete_file(partial);
            return {InstallStatus::kFileWriteFailed, written.error};
        case pelsdk::platform::write_file_result::written:
            break;
    }
    // A plug-in held by a running After Effects cannot be replaced: to the user that is the
    // same as a file that cannot be created.
    const uint32_t moveError = MoveIntoPlace(os.files, partial, file);
    if (moveError != 0) return {InstallStatus::kFileOpenFailed, moveError};
    return {InstallStatus::kInstalled, 0};
}

void CreateSharedDataFolder(pelsdk::platform::services& os) {
    const std::wstring appData = WithBackslashes(os.info.common_app_data_folder().value_or(L""));
    // The installed plug-in does not depend on this folder, so its failure changes no status.
    CreateDirectories(os.files, JoinPath(appData, L"" VELKOR_MAKER));
}

}  // namespace

void InstallWorker(ThreadWorkData* data, std::vector<std::wstring> pluginFolders,
                   std::vector<std::wstring> scriptFolders, std::wstring /*scriptRoot*/) {
    data->PrepareRun(pluginFolders.size(), scriptFolders.size());
    for (size_t i = 0; i < pluginFolders.size(); ++i) {
        if (pluginFolders[i].empty()) continue;
        data->SetPluginStatus(i, StatusCode(InstallStatus::kWriting));
        const TargetResult result = WritePlugin(data->os, pluginFolders[i]);
        data->pluginError[i] = result.error;
        data->SetPluginStatus(i, StatusCode(result.status));
    }
    CreateSharedDataFolder(data->os);
    data->done.store(true, std::memory_order_release);
}
