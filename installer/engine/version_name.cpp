#include "installer/engine/version_name.h"

#include <algorithm>

#include "installer/engine/path_helpers.h"

namespace {

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::string VersionNameFromPath(const std::wstring& pluginFolder) {
    if (pluginFolder.empty()) return "";
    std::string name = WideToUtf8(LastPathComponent(ParentPath(ParentPath(pluginFolder))));
    const std::string product = "After Effects";
    const size_t found = name.rfind(product);
    if (found != std::string::npos && found + product.size() < name.size()) {
        name = name.substr(found + product.size());
    }
    name.erase(std::remove_if(name.begin(), name.end(), IsWhiteSpace), name.end());
    return name;
}
