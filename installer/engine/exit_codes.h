#pragma once

// The exit codes of a run with the deployment switches, the same for install and removal. They
// are Windows' own codes, which deployment tools already know; a wizard run keeps returning 0.
inline constexpr int kExitDone = 0;                  // every selected target done
inline constexpr int kExitBadCommandLine = 87;       // ERROR_INVALID_PARAMETER: nothing written
inline constexpr int kExitNotElevated = 740;         // ERROR_ELEVATION_REQUIRED
inline constexpr int kExitNoAfterEffects = 1168;     // ERROR_NOT_FOUND: nothing to install into
inline constexpr int kExitDeclined = 1602;           // ERROR_INSTALL_USEREXIT
inline constexpr int kExitTargetsFailed = 1603;      // ERROR_INSTALL_FAILURE
inline constexpr int kExitAnotherInstance = 1618;    // ERROR_INSTALL_ALREADY_RUNNING
