#pragma once

// What a user sees and does on the screen: colours read back at client points, pointer clicks
// through the system's input queue, and pictures of a window saved for people to look at.
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

// The colour on the screen at a point of the window's client area, as 0xRRGGBB.
inline uint32_t PixelAt(HWND window, int x, int y) {
    POINT at{x, y};
    ClientToScreen(window, &at);
    HDC screen = GetDC(nullptr);
    const COLORREF found = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return (GetRValue(found) << 16) | (GetGValue(found) << 8) | GetBValue(found);
}

// The window's client size, and how far the window's centre lies from the screen's.
struct Placement {
    LONG width, height;
    int off_centre_x, off_centre_y;
};

inline Placement PlacementOf(HWND window) {
    RECT client{}, outer{};
    GetClientRect(window, &client);
    GetWindowRect(window, &outer);
    return {client.right, client.bottom,
            std::abs((outer.left + outer.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2),
            std::abs((outer.top + outer.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2)};
}

// Within a few steps per channel: pill edges and gradients are antialiased.
inline bool Near(uint32_t colour, uint32_t expected, int tolerance = 3) {
    for (int shift : {0, 8, 16}) {
        const int a = (colour >> shift) & 0xFF, b = (expected >> shift) & 0xFF;
        if (std::abs(a - b) > tolerance) return false;
    }
    return true;
}

// Polls until the condition holds; false when it did not within the time.
inline bool WaitUntil(const std::function<bool()>& condition, DWORD timeout_ms) {
    for (DWORD waited = 0; waited < timeout_ms; waited += 50) {
        if (condition()) return true;
        Sleep(50);
    }
    return condition();
}

inline bool WaitForColour(HWND window, int x, int y, uint32_t colour, DWORD timeout_ms = 10000) {
    return WaitUntil([&] { return Near(PixelAt(window, x, y), colour); }, timeout_ms);
}

// Moves the pointer to a client point through the same input queue as a real mouse.
inline void MovePointer(HWND window, int x, int y, DWORD buttons = 0) {
    POINT at{x, y};
    ClientToScreen(window, &at);
    const auto absolute = [](LONG value, int metric) {
        return static_cast<LONG>(value * 65535 / (GetSystemMetrics(metric) - 1));
    };
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = absolute(at.x, SM_CXSCREEN);
    input.mi.dy = absolute(at.y, SM_CYSCREEN);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
    SendInput(1, &input, sizeof(input));
    Sleep(50);
}

// A left click at a client point, as a hand makes it: the pointer arrives, then the press and
// the release.
inline void ClickAt(HWND window, int x, int y) {
    MovePointer(window, x, y);
    Sleep(50);
    MovePointer(window, x, y, MOUSEEVENTF_LEFTDOWN);
    MovePointer(window, x, y, MOUSEEVENTF_LEFTUP);
}

// What the screen shows of a window's client area, read once: counting colours pixel by pixel
// through GetPixel costs Wine a round trip to the X server each.
struct ClientPicture {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, top row first

    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    int Count(const RECT& area, uint32_t colour, int tolerance) const {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) count += Near(At(x, y), colour, tolerance);
        return count;
    }
};

// 32 bits a pixel, top row first.
inline BITMAPINFOHEADER TopDownHeader(int width, int height) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = -height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    return header;
}

inline ClientPicture CaptureClient(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    ClientPicture picture{client.right, client.bottom, {}};
    picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height);

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, picture.width, picture.height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, picture.width, picture.height, screen, origin.x, origin.y, SRCCOPY);
    SelectObject(memory, previous);
    BITMAPINFOHEADER header = TopDownHeader(picture.width, picture.height);
    GetDIBits(memory, bitmap, 0, picture.height, picture.pixels.data(),
              reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    for (uint32_t& pixel : picture.pixels) pixel &= 0xFFFFFF;
    return picture;
}

// Saves the window's client area as a BMP file named `name` in the folder given by
// VELKOR_SCREENSHOTS; does nothing when that is not set.
inline void SaveScreenshot(HWND window, const char* name) {
    const char* folder = std::getenv("VELKOR_SCREENSHOTS");
    if (!folder) return;
    const ClientPicture picture = CaptureClient(window);
    BITMAPINFOHEADER header = TopDownHeader(picture.width, picture.height);
    const DWORD bytes = static_cast<DWORD>(picture.pixels.size() * sizeof(uint32_t));
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + bytes;
    std::ofstream out(std::string(folder) + "\\" + name + ".bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&header), sizeof(header));
    out.write(reinterpret_cast<const char*>(picture.pixels.data()), bytes);
}
