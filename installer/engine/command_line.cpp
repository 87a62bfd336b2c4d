#include "installer/engine/command_line.h"

#include <algorithm>
#include <cwctype>
#include <string_view>

#include "installer/engine/path_helpers.h"
#include "installer/engine/windows_arguments.h"

namespace {

enum class Switch { kSilent, kUninstall, kUac, kVersions, kFolder, kLog };

struct KnownSwitch {
    std::wstring_view name;
    Switch id;
    bool takesValue;
    bool deployment;  // its presence takes the command line out of the wizard's "/UAC" test
};

constexpr KnownSwitch kSwitches[] = {
    {L"S", Switch::kSilent, false, true},     {L"UNINSTALL", Switch::kUninstall, false, true},
    {L"UAC", Switch::kUac, false, false},     {L"VERSIONS", Switch::kVersions, true, true},
    {L"FOLDER", Switch::kFolder, true, true}, {L"LOG", Switch::kLog, true, true},
};

// One argument: the switch it names (null for anything else) and the value after "=".
struct Argument {
    std::wstring text;
    const KnownSwitch* known = nullptr;
    std::optional<std::wstring> value;
};

Argument Classify(const std::wstring& text) {
    Argument argument{text, nullptr, std::nullopt};
    if (text.empty() || text[0] != L'/') return argument;
    const size_t equals = text.find(L'=');
    const std::wstring name = text.substr(1, equals == std::wstring::npos ? equals : equals - 1);
    if (equals != std::wstring::npos) argument.value = text.substr(equals + 1);
    for (const KnownSwitch& known : kSwitches) {
        if (EqualIgnoringCase(std::wstring(known.name), name)) argument.known = &known;
    }
    return argument;
}

std::string Named(const KnownSwitch& known) { return WideToUtf8(L"/" + std::wstring(known.name)); }

std::wstring Trimmed(const std::wstring& text) {
    const size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos) return L"";
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

// Names may be repeated: the selection is a set, and a version is chosen once.
std::string TakeVersions(const std::wstring& list, std::vector<std::string>& versions) {
    size_t start = 0;
    for (;;) {
        const size_t comma = std::min(list.find(L',', start), list.size());
        const std::wstring name = Trimmed(list.substr(start, comma - start));
        if (name.empty()) return "/VERSIONS holds an empty name: " + WideToUtf8(list);
        const bool repeated = std::any_of(versions.begin(), versions.end(), [&](const auto& taken) {
            return EqualIgnoringCase(Utf8ToWide(taken), name);
        });
        if (!repeated) versions.push_back(WideToUtf8(name));
        if (comma == list.size()) return "";
        start = comma + 1;
    }
}

// A folder relative to the current one would depend on where the deployment tool happens to
// start the installer, and is recorded for the removal: only full paths are taken.
std::string TakeFolder(const std::wstring& given, std::wstring& folder) {
    std::wstring path = WithBackslashes(given);
    const bool drive = path.size() >= 3 && std::iswalpha(path[0]) && path[1] == L':' &&
                       path[2] == L'\\';
    const bool share = path.size() > 2 && path.starts_with(L"\\\\");
    if (!drive && !share) {
        return "/FOLDER needs a full path, such as D:\\Plug-ins: " + WideToUtf8(given);
    }
    if (path.size() > 3 && path.back() == L'\\') path.pop_back();
    folder = path;
    return "";
}

// Applies one argument; the reason it is refused, or "".
std::string Apply(const Argument& argument, std::vector<Switch>& seen, DeploymentRequest& request) {
    if (argument.known == nullptr) return "unknown switch: " + WideToUtf8(argument.text);
    const KnownSwitch& known = *argument.known;
    if (std::find(seen.begin(), seen.end(), known.id) != seen.end()) {
        return Named(known) + " is given twice";
    }
    seen.push_back(known.id);
    if (!known.takesValue && argument.value) return Named(known) + " takes no value";
    if (known.takesValue && (!argument.value || argument.value->empty())) {
        return Named(known) + " needs a value after \"=\"";
    }
    switch (known.id) {
        case Switch::kSilent:
            request.silent = true;
            break;
        case Switch::kUninstall:
            request.uninstall = true;
            break;
        case Switch::kUac:
            request.elevatedTwin = true;
            break;
        case Switch::kVersions:
            return TakeVersions(*argument.value, request.versions);
        case Switch::kFolder:
            return TakeFolder(*argument.value, request.folder);
        case Switch::kLog:
            request.logFile = *argument.value;
            break;
    }
    return "";
}

}  // namespace

std::optional<DeploymentRequest> ParseDeploymentSwitches(const std::wstring& commandLine) {
    std::vector<Argument> arguments;
    for (const std::wstring& text : SplitArguments(commandLine)) arguments.push_back(Classify(text));
    if (std::none_of(arguments.begin(), arguments.end(),
                     [](const Argument& a) { return a.known != nullptr && a.known->deployment; })) {
        return std::nullopt;
    }
    DeploymentRequest request;
    std::vector<Switch> seen;
    // Every argument is applied, so that a /LOG after a refused one still receives the reason.
    for (const Argument& argument : arguments) {
        const std::string refusal = Apply(argument, seen, request);
        if (request.refusal.empty()) request.refusal = refusal;
    }
    if (request.refusal.empty() && !request.silent && !request.uninstall) {
        request.refusal = "/VERSIONS, /FOLDER and /LOG go with /S or /UNINSTALL";
    }
    return request;
}

std::wstring TwinParameters(const DeploymentRequest& request) {
    std::wstring parameters = L"/UAC /UNINSTALL";
    if (!request.versions.empty()) {
        std::wstring names;
        for (const std::string& name : request.versions) {
            names += (names.empty() ? L"" : L",") + Utf8ToWide(name);
        }
        parameters += L" " + QuoteArgument(L"/VERSIONS=" + names);
    }
    if (!request.folder.empty()) parameters += L" " + QuoteArgument(L"/FOLDER=" + request.folder);
    if (!request.logFile.empty()) parameters += L" " + QuoteArgument(L"/LOG=" + request.logFile);
    return parameters;
}
