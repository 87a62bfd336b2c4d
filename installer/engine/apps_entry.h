#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "installer/engine/product.h"
#include "platform/services.h"

// The plug-in's entry in Apps & features, in HKLM's 64-bit view: an artist removes the plug-in
// there, and deployment tools read the installed version from it.
inline constexpr wchar_t kUninstallEntryKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" VELKOR_NAME;
// The plug-in folders the install wrote, custom ones included, so that a removal finds them all.
inline constexpr wchar_t kPluginFoldersValue[] = L"PluginFolders";

// A step that failed, for the log; an empty step when everything went well.
struct StepOutcome {
    std::string failed;
    uint32_t error = 0;  // its Windows error, when it has one
};

// %ProgramFiles%\Quintrel\Velkor: only administrators can write there. Apps & features runs the
// copy it holds with administrator rights, so a copy that a standard user could replace (anywhere
// under %ProgramData%, say) would hand them those rights.
std::optional<std::wstring> ProgramCopyFolder(pelsdk::platform::system_info& info);

// The entry's values for the installer's copy, the folders holding the plug-in, the bytes
// installed and the day of the install.
std::vector<pelsdk::platform::registry_value> EntryValues(const std::wstring& programCopy,
                                                          const std::vector<std::wstring>& folders,
                                                          uint64_t installedBytes,
                                                          const pelsdk::platform::local_time& day);

// The folders of the recorded install; empty when there is none.
std::vector<std::wstring> RecordedFolders(pelsdk::platform::registry& keys);

// After a successful install that wrote these folders: the running installer is copied beside
// the entry, and the entry is written with these folders and those of an earlier install that
// still hold the plug-in. Nothing is recorded when nothing was written.
StepOutcome RecordInstall(pelsdk::platform::services& os, const std::vector<std::wstring>& written);

// Once no folder holds the plug-in: the entry goes, and the installer's copy with its folders.
// The running copy cannot delete itself, so it is deleted when Windows next starts.
StepOutcome ForgetInstall(pelsdk::platform::services& os);
