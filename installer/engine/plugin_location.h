#pragma once

#include <string>

#include "installer/engine/product.h"
#include "platform/file_system.h"

// Where the plug-in lives in a plug-in folder: the maker's folder, and the file in it. Plain
// concatenation: a folder ending in a backslash gives a doubled one, which Windows accepts.
inline std::wstring MakerFolderIn(const std::wstring& pluginFolder) {
    return pluginFolder + L"\\" VELKOR_MAKER;
}
inline std::wstring PluginFileIn(const std::wstring& pluginFolder) {
    return MakerFolderIn(pluginFolder) + L"\\" VELKOR_PLUGIN_FILENAME;
}
inline bool HoldsPlugin(pelsdk::platform::file_system& files, const std::wstring& pluginFolder) {
    return files.file_size(PluginFileIn(pluginFolder)).has_value();
}
