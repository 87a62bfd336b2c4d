#pragma once

// Whether a plug-in folder holds the plug-in exactly as the installer carries it.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/e2e/installer_process.h"

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The plug-in as the installer carries it.
inline std::string EmbeddedPlugin() {
    HMODULE exe = LoadLibraryExW(InstallerPath().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    const std::string bytes = ResourceOf(exe, RT_RCDATA, MAKEINTRESOURCEW(400));
    if (exe) FreeLibrary(exe);
    return bytes;
}

inline bool Installed(const std::filesystem::path& folder) {
    static const std::string plugin = EmbeddedPlugin();
    return plugin.size() == 870400 && ReadFile(folder / L"Quintrel" / L"Velkor.aex") == plugin;
}
