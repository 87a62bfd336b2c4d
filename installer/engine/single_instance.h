#pragma once

#include "installer/engine/product.h"

// Held by the elevated installer for its whole life, wizard or not, so that two installers never
// write the same file at once. "Global\" spans every session: a deployment tool's system
// account and a user at the screen meet on the same name.
inline constexpr wchar_t kInstallerInstanceName[] =
    L"Global\\" VELKOR_MAKER "." VELKOR_NAME "." VELKOR_EXE_NAME;
