#include "installer/ui/install_progress.h"

#include <cmath>
#include <cstdio>

#include "installer/engine/install_error_message.h"
#include "installer/engine/product.h"

namespace {

constexpr const char* kProductLine = VELKOR_PRODUCT;

// One decimal, rounded: 0.830078 gives 0.8, 1.660156 gives 1.7. snprintf rather than a string
// stream, which would link iostreams and locales into the program for two figures.
std::string OneDecimal(float megabytes) {
    char text[64];  // room for the widest float, 39 digits before the point
    std::snprintf(text, sizeof text, "%.1f", megabytes);
    return text;
}

}  // namespace

bool IsWrittenRow(const VersionEntry& row) {
    return row.selected && !(row.index == kCustomVersionIndex && row.pluginFolder.empty());
}

uint32_t CountSelected(const std::vector<VersionEntry>& rows) {
    uint32_t count = 0;
    for (const VersionEntry& row : rows) count += row.selected ? 1 : 0;
    return count;
}

float TotalMegabytes(const std::vector<VersionEntry>& rows) {
    float total = 0;
    for (const VersionEntry& row : rows) {
        if (IsWrittenRow(row)) total += kPayloadMegabytes;
    }
    return total;
}

float RemainingMegabytes(const std::vector<VersionEntry>& rows) {
    float remaining = 0;
    for (const VersionEntry& row : rows) {
        if (IsWrittenRow(row) && !IsInstalled(row)) remaining += kPayloadMegabytes;
    }
    return remaining;
}

float ProgressFraction(const std::vector<VersionEntry>& rows, uint32_t selectedCount,
                       bool finished) {
    if (finished) return 1.0f;
    if (selectedCount == 0) return 0.0f;
    uint32_t installed = 0;
    for (const VersionEntry& row : rows) installed += IsInstalled(row) ? 1 : 0;
    return static_cast<float>(installed) / static_cast<float>(selectedCount);
}

std::string ProgressMarkup(float fraction, float doneMegabytes, float totalMegabytes) {
    // std::lround rounds halves away from zero.
    return "<html><body><font color = \"#1b6936\">" + std::to_string(std::lround(fraction * 100)) +
           "% </font> Complete (" + OneDecimal(doneMegabytes) + "MB of " +
           OneDecimal(totalMegabytes) + "MB)</body></html>";
}

std::string ResultLineText(const std::string& versionName, bool installed) {
    return std::string(kProductLine) + " " + versionName +
           (installed ? " installed." : " not installed.");
}

std::string InstallFailureMessage(const std::string& versionName, int32_t code) {
    return "The installation of " + std::string(kProductLine) + " " + versionName + " failed!\n\n" +
           InstallErrorMessage(code) +
           "\n\nPlease contact support if you continue to have trouble.\n\nDo you want to retry?";
}
