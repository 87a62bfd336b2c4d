// Times a program's start under Wine: from CreateProcess to the first frame on the screen, seen
// as the colour of the installer's header band at a point of the window's client area.
//   startup_probe <runs> <window title> <program> [arguments]
// Prints each run in milliseconds and the median.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

bool HeaderPainted(HWND window) {
    POINT at{500, 30};
    ClientToScreen(window, &at);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return GetRValue(colour) == 18 && GetGValue(colour) == 18 && GetBValue(colour) == 18;
}

double OneRun(const std::wstring& title, const std::wstring& command) {
    LARGE_INTEGER start, now, frequency;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    std::wstring line = command;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        return -1;
    }
    double elapsed = -1;
    for (;;) {
        QueryPerformanceCounter(&now);
        const double ms = (now.QuadPart - start.QuadPart) * 1000.0 / frequency.QuadPart;
        if (ms > 30000) break;
        HWND window = FindWindowW(nullptr, title.c_str());
        if (window != nullptr && IsWindowVisible(window) && HeaderPainted(window)) {
            elapsed = ms;
            PostMessageW(window, WM_CLOSE, 0, 0);
            break;
        }
        Sleep(2);
    }
    if (WaitForSingleObject(started.hProcess, 20000) != WAIT_OBJECT_0) TerminateProcess(started.hProcess, 1);
    CloseHandle(started.hProcess);
    CloseHandle(started.hThread);
    return elapsed;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fputws(L"usage: startup_probe <runs> <window title> <program> [arguments]\n", stderr);
        return 2;
    }
    const int runs = _wtoi(argv[1]);
    std::wstring command = L"\"" + std::wstring(argv[3]) + L"\"";
    for (int i = 4; i < argc; ++i) command += L" " + std::wstring(argv[i]);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        times.push_back(OneRun(argv[2], command));
        std::wprintf(L"  run %d: %.0f ms\n", i + 1, times.back());
    }
    std::sort(times.begin(), times.end());
    std::wprintf(L"  median: %.0f ms\n", times[times.size() / 2]);
    return 0;
}
