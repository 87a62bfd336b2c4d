#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "installer/engine/version_list.h"

// The plug-in file's size in megabytes (870,400 bytes). A constant: the progress figures count
// finished rows, not bytes, so they never read the resource.
inline constexpr float kPayloadMegabytes = 0.830078f;

// The pure parts of an install run, computed from the version list alone.

// A selected row is written unless it is the custom row still without a folder.
bool IsWrittenRow(const VersionEntry& row);
uint32_t CountSelected(const std::vector<VersionEntry>& rows);
// The megabytes of every row that is written.
float TotalMegabytes(const std::vector<VersionEntry>& rows);
// The megabytes of the written rows not yet installed.
float RemainingMegabytes(const std::vector<VersionEntry>& rows);

// The share of selected rows installed, 0..1; 1 once the run is finished.
float ProgressFraction(const std::vector<VersionEntry>& rows, uint32_t selectedCount,
                       bool finished);
// The coloured one-line progress text: the percentage, then the megabytes done of the total.
std::string ProgressMarkup(float fraction, float doneMegabytes, float totalMegabytes);
// The text of a result line once the row's outcome is known.
std::string ResultLineText(const std::string& versionName, bool installed);
// The failure popup's message for the reported version and status, ending in the retry question.
std::string InstallFailureMessage(const std::string& versionName, int32_t code);
