#include "installer/engine/install_log.h"

#include <cstdio>

#include "installer/engine/path_helpers.h"
#include "installer/engine/product.h"

namespace {

std::string Stamp(const pelsdk::platform::local_time& t) {
    char text[64];  // room for any sixteen-bit fields
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u.%03u", t.year, t.month, t.day,
                  t.hour, t.minute, t.second, t.millisecond);
    return text;
}

}  // namespace

// A log whose folder is missing is given one; a log that cannot be written at all leaves the
// run to go on, since its exit code still tells the deployment tool the outcome.
InstallLog::InstallLog(pelsdk::platform::services& os, std::wstring file, bool toConsole)
    : os_(os), file_(std::move(file)), toConsole_(toConsole) {
    const std::wstring folder = ParentPath(file_);
    if (!folder.empty()) CreateDirectories(os_.files, folder);
}

void InstallLog::Write(const std::string& fact) {
    const std::string line = Stamp(os_.info.now()) + "  " + fact;
    os_.files.append_to_file(file_, line + "\r\n");
    if (toConsole_) os_.terminal.print_line(line);
}

int InstallLog::End(const std::string& outcome, int code) {
    Write(outcome + "; exit code " + std::to_string(code));
    return code;
}

std::string InstallLog::WindowsError(uint32_t error) const {
    if (error == 0) return "";
    const std::string text = os_.info.error_text(error);
    return "Windows error " + std::to_string(error) + (text.empty() ? "" : ": " + text);
}

std::string InstallLog::Failed(const std::string& what, uint32_t error) const {
    return "Failed " + what + (error == 0 ? "" : ", " + WindowsError(error));
}

std::wstring DefaultLogFile(pelsdk::platform::system_info& info) {
    return JoinPath(info.temp_folder(), L"" VELKOR_EXE_NAME ".log");
}
