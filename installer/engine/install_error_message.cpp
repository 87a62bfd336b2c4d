#include "installer/engine/install_error_message.h"

#include <initializer_list>

namespace {

constexpr const char* kCorruptHint = ").\n - The installer file may be corrupt.";
constexpr const char* kPluginFileHints =
    ").\n - Make sure that After Effects is closed\n - Make sure you have enough disk space.\n"
    " - Make sure you have administrative privileges.";
constexpr const char* kDiskHints =
    ").\n - Make sure you have enough disk space.\n - Make sure you have administrative privileges.";

struct MessageRow {
    std::initializer_list<int32_t> codes;
    const char* prefix;
    const char* suffix;
};

const MessageRow kMessages[] = {
    {{20, 30}, "Could not load the plugin file from the installer (Error code: ", kCorruptHint},
    {{40, 50, 401}, "Could not create the plugin file (Error code: ", kPluginFileHints},
    {{60, 110, 111, 112, 130},
     "Could not load the script file from the installer (Error code: ",
     kCorruptHint},
    {{120, 131}, "Could not create the script files (Error code: ", kPluginFileHints},
    {{121, 122, 123, 124, 200},
     "Could not decompress the script files correctly (Error code: ",
     kCorruptHint},
    {{210, 211, 212, 230},
     "Could not load the assets file from the installer (Error code: ",
     kCorruptHint},
    {{220, 231}, "Could not create assets files (Error code: ", kDiskHints},
    {{221, 222, 223, 224, 300}, "Could not decompress the assets files correctly (", kCorruptHint},
    {{400}, "Authorization request was denied (Error code: ", ")."},
    {{1000},
     "Could not find the installer package (Error code: ",
     ").\n - Please download the installer again."},
    {{1001}, "Could not find the installer package (Error code: ", kCorruptHint},
};

}  // namespace

std::string InstallErrorMessage(int32_t code) {
    for (const MessageRow& row : kMessages) {
        for (int32_t listed : row.codes) {
            if (listed == code) return row.prefix + std::to_string(code) + row.suffix;
        }
    }
    return "Unkown error (" + std::to_string(code) + ").";
}
