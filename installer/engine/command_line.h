#pragma once

#include <optional>
#include <string>
#include <vector>

// What a command line with the deployment switches asks for. Switch names are matched whole and
// in any case.
struct DeploymentRequest {
    bool silent = false;                // /S
    bool uninstall = false;             // /UNINSTALL
    bool elevatedTwin = false;          // /UAC: started by the installer's own elevation
    std::vector<std::string> versions;  // /VERSIONS=CC2018,CC2017; empty: every version found
    std::wstring folder;                // /FOLDER=: a custom plug-in folder, a full path
    std::wstring logFile;               // /LOG=; empty: the default log
    std::string refusal;                // why the command line is refused; empty when it is not
};

// Nothing when no argument is one of the deployment switches (/S, /UNINSTALL, /VERSIONS=,
// /FOLDER=, /LOG=): such a command line runs as it always did, the "/UAC" it may hold included.
std::optional<DeploymentRequest> ParseDeploymentSwitches(const std::wstring& commandLine);

// The parameters of the elevated twin of a removal: "/UAC /UNINSTALL", then the request's own
// switches, so that its folder and log reach the run that does the work.
std::wstring TwinParameters(const DeploymentRequest& request);
