#pragma once

#include "platform/headless/headless_machine.h"
#ifdef _WIN32
#include "platform/win32/wic_imaging.h"
#else
#include "platform/headless/stb_imaging.h"
#endif

// The picture decoder of the simulated machine: stb natively, WIC under Wine.
inline pelsdk::platform::imaging_system& TestImaging() {
#ifdef _WIN32
    static pelsdk::platform::wic_imaging imaging;
#else
    static pelsdk::platform::stb_imaging imaging;
#endif
    return imaging;
}
