#pragma once
// The product's names and version, read by the pages, the worker and the resource compiler alike:
// macros of string literals, because the version resource includes this file too (and C++ joins
// them with literals, wide ones included).
#include "installer/engine/product_version.h"

// The maker: the folder the plug-in goes into, and the name of the version resource.
#define VELKOR_MAKER "Quintrel"
// The maker as the notice and the license name it.
#define VELKOR_MAKER_LEGAL "Quintrel Software"
#define VELKOR_NAME "Velkor"
#define VELKOR_PLUGIN "Velkor Plug-in"
#define VELKOR_PRODUCT "Velkor Plug-in for After Effects"
#define VELKOR_INSTALLER_TITLE "Velkor Plug-in for After Effects Installer"
// The file written into each plug-in folder.
#define VELKOR_PLUGIN_FILENAME "Velkor.aex"
#define VELKOR_EXE_NAME "VelkorInstaller"
#define VELKOR_EXE_FILENAME "VelkorInstaller.exe"
