#pragma once

#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_services.h"
#include "platform/win32/win32_window_host.h"
#include "ui/core/window.h"

// Toolkit windows of the Windows tests are made of the program's own Win32 services: real
// windows drawn by Direct2D.
inline pelsdk::platform::services& Win32Platform() { return pelsdk::platform::win32_services(); }
