#include "installer/engine/apps_entry.h"

#include <algorithm>

#include "installer/engine/file_replacement.h"
#include "installer/engine/install_worker.h"
#include "installer/engine/path_helpers.h"
#include "installer/engine/plugin_location.h"

using pelsdk::platform::registry_value;
using pelsdk::platform::services;

namespace {

std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

std::wstring DayText(const pelsdk::platform::local_time& day) {
    const unsigned number = day.year * 10000u + day.month * 100u + day.day;
    return std::to_wstring(number);
}

// The folders written now, then those of the earlier install that still hold the plug-in; each
// once.
std::vector<std::wstring> FoldersToRecord(services& os, const std::vector<std::wstring>& written) {
    std::vector<std::wstring> folders = written;
    for (const std::wstring& earlier : RecordedFolders(os.keys)) {
        if (HoldsPlugin(os.files, earlier)) AddPathOnce(folders, earlier);
    }
    return folders;
}

uint64_t PluginBytes(services& os) {
    const auto plugin = os.resources.find_rcdata(kPluginResourceId);
    return plugin ? os.resources.size(*plugin) : 0;
}

// The running installer copied atomically over an earlier copy; nothing to do when the running
// installer is that copy.
StepOutcome PlaceProgramCopy(services& os, const std::wstring& copy) {
    const std::wstring running = os.info.program_path();
    if (SamePath(running, copy)) return {};
    const std::wstring partial = PartialFile(copy);
    if (const uint32_t error = os.files.copy_file(running, partial)) {
        os.files.delete_file(partial);
        return {"copying the installer to " + WideToUtf8(copy), error};
    }
    if (const uint32_t error = MoveIntoPlace(os.files, partial, copy)) {
        return {"replacing " + WideToUtf8(copy), error};
    }
    return {};
}

bool Gone(uint32_t error) { return error == 0 || pelsdk::platform::is_not_found(error); }

}  // namespace

std::optional<std::wstring> ProgramCopyFolder(pelsdk::platform::system_info& info) {
    const auto programFiles = info.program_files_folder();
    if (!programFiles || programFiles->empty()) return std::nullopt;
    return JoinPath(JoinPath(WithBackslashes(*programFiles), L"" VELKOR_MAKER), L"" VELKOR_NAME);
}

std::vector<registry_value> EntryValues(const std::wstring& programCopy,
                                        const std::vector<std::wstring>& folders,
                                        uint64_t installedBytes,
                                        const pelsdk::platform::local_time& day) {
    const auto kilobytes = static_cast<uint32_t>((installedBytes + 1023) / 1024);
    return {
        {L"DisplayName", std::wstring(L"" VELKOR_PRODUCT)},
        {L"DisplayVersion", std::wstring(L"" VELKOR_VERSION)},
        {L"Publisher", std::wstring(L"" VELKOR_MAKER_LEGAL)},
        {L"DisplayIcon", programCopy + L",0"},
        {L"InstallLocation", ParentPath(programCopy)},
        {L"UninstallString", Quoted(programCopy) + L" /UNINSTALL"},
        {L"QuietUninstallString", Quoted(programCopy) + L" /S /UNINSTALL"},
        {L"NoModify", uint32_t{1}},
        {L"NoRepair", uint32_t{1}},
        {L"EstimatedSize", kilobytes},
        {L"InstallDate", DayText(day)},
        {kPluginFoldersValue, folders},
    };
}

std::vector<std::wstring> RecordedFolders(pelsdk::platform::registry& keys) {
    return keys.text_list(kUninstallEntryKey, kPluginFoldersValue).value_or(std::vector<std::wstring>{});
}

StepOutcome RecordInstall(services& os, const std::vector<std::wstring>& written) {
    if (written.empty()) return {};
    const auto folder = ProgramCopyFolder(os.info);
    if (!folder) return {"finding the Program Files folder"};
    if (!CreateDirectories(os.files, *folder)) return {"creating " + WideToUtf8(*folder)};
    const std::wstring copy = JoinPath(*folder, L"" VELKOR_EXE_FILENAME);
    if (StepOutcome placed = PlaceProgramCopy(os, copy); !placed.failed.empty()) return placed;

    const std::vector<std::wstring> folders = FoldersToRecord(os, written);
    const uint64_t bytes = PluginBytes(os) * folders.size() + os.files.file_size(copy).value_or(0);
    const std::vector<registry_value> values = EntryValues(copy, folders, bytes, os.info.now());
    if (const uint32_t error = os.keys.write_values(kUninstallEntryKey, values)) {
        return {"writing the Apps & features entry", error};
    }
    return {};
}

StepOutcome ForgetInstall(services& os) {
    if (const uint32_t error = os.keys.delete_key(kUninstallEntryKey); !Gone(error)) {
        return {"deleting the Apps & features entry", error};
    }
    const auto folder = ProgramCopyFolder(os.info);
    if (!folder) return {};
    const std::wstring copy = JoinPath(*folder, L"" VELKOR_EXE_FILENAME);
    // The folders go with the copy only when nothing else is in them.
    const std::wstring leftovers[] = {copy, *folder, ParentPath(*folder)};
    if (SamePath(os.info.program_path(), copy)) {
        for (const std::wstring& path : leftovers) {
            if (const uint32_t error = os.files.delete_at_restart(path)) {
                return {"scheduling the deletion of " + WideToUtf8(path), error};
            }
        }
        return {};
    }
    if (const uint32_t error = os.files.delete_file(copy); !Gone(error)) {
        return {"deleting " + WideToUtf8(copy), error};
    }
    os.files.remove_folder(*folder);
    os.files.remove_folder(ParentPath(*folder));
    return {};
}
