#include "installer/engine/install_worker.h"

#include "installer/engine/install_status.h"
#include "installer/engine/path_helpers.h"
#include "installer/engine/product.h"

namespace {

InstallStatus WritePlugin(pelsdk::platform::services& os, const std::wstring& folder) {
    // Plain concatenation: a folder ending in a backslash gives a doubled one, which Windows
    // accepts.
    const std::wstring makerFolder = folder + L"\\" VELKOR_MAKER;
    // An existing folder is fine; any other failure shows when the file is opened.
    os.files.make_directory(makerFolder);
    const std::wstring file = makerFolder + L"\\" VELKOR_PLUGIN_FILENAME;

    const auto located = os.resources.find_rcdata(kPluginResourceId);
    if (!located) return InstallStatus::kResourceNotFound;
    const auto loaded = os.resources.load(*located);
    if (!loaded) return InstallStatus::kResourceLoadFailed;

    // One write straight from the mapped resource: no intermediate copy.
    switch (os.files.write_file(file, os.resources.lock(*loaded), os.resources.size(*located))) {
        case pelsdk::platform::write_file_result::written:
            return InstallStatus::kInstalled;
        case pelsdk::platform::write_file_result::open_failed:
            return InstallStatus::kFileOpenFailed;
        case pelsdk::platform::write_file_result::write_failed:
            break;
    }
    return InstallStatus::kFileWriteFailed;
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
        data->SetPluginStatus(i, StatusCode(WritePlugin(data->os, pluginFolders[i])));
    }
    CreateSharedDataFolder(data->os);
    data->done.store(true, std::memory_order_release);
}
