#pragma once

#include <string>

// The display name of a version that the installer does not know by its registry key, made
// from the folder two levels above its plug-in folder ("Adobe After Effects 2020" gives
// "2020").
std::string VersionNameFromPath(const std::wstring& pluginFolder);
