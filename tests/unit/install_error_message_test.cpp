#include <gtest/gtest.h>

#include "installer/engine/install_error_message.h"

namespace {

const std::string kCorrupt = ").\n - The installer file may be corrupt.";
const std::string kPluginHints =
    ").\n - Make sure that After Effects is closed\n - Make sure you have enough disk space.\n"
    " - Make sure you have administrative privileges.";
const std::string kDiskHints =
    ").\n - Make sure you have enough disk space.\n"
    " - Make sure you have administrative privileges.";

TEST(InstallErrorMessage, EveryCodeHasItsText) {
    struct Row {
        std::vector<int32_t> codes;
        std::string prefix;
        std::string suffix;
    };
    const Row rows[] = {
        {{20, 30}, "Could not load the plugin file from the installer (Error code: ", kCorrupt},
        {{40, 50, 401}, "Could not create the plugin file (Error code: ", kPluginHints},
        {{60, 110, 111, 112, 130},
         "Could not load the script file from the installer (Error code: ",
         kCorrupt},
        {{120, 131}, "Could not create the script files (Error code: ", kPluginHints},
        {{121, 122, 123, 124, 200},
         "Could not decompress the script files correctly (Error code: ",
         kCorrupt},
        {{210, 211, 212, 230},
         "Could not load the assets file from the installer (Error code: ",
         kCorrupt},
        {{220, 231}, "Could not create assets files (Error code: ", kDiskHints},
        {{221, 222, 223, 224, 300}, "Could not decompress the assets files correctly (", kCorrupt},
        {{400}, "Authorization request was denied (Error code: ", ")."},
        {{1000},
         "Could not find the installer package (Error code: ",
         ").\n - Please download the installer again."},
        {{1001}, "Could not find the installer package (Error code: ", kCorrupt},
        // Codes of no row, between and around the listed ones, negative and extreme.
        {{0, 1, 2, 21, 39, 41, 125, 999, 1002, -5, -20, INT32_MIN, INT32_MAX},
         "Unkown error (",
         ")."},
    };
    for (const Row& row : rows) {
        for (int32_t code : row.codes) {
            EXPECT_EQ(InstallErrorMessage(code), row.prefix + std::to_string(code) + row.suffix)
                << "code " << code;
        }
    }
}

}  // namespace
