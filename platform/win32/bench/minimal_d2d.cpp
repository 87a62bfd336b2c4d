// The floor of a Direct2D program's start under Wine: a window that creates Direct2D and
// DirectWrite and paints one frame (the installer's header colour and a line of text). The
// start-up benchmark times it beside the installer.
#include <windows.h>
#include <d2d1.h>
#include <dwrite.h>

namespace {

ID2D1Factory* factory = nullptr;
IDWriteFactory* writer = nullptr;
ID2D1HwndRenderTarget* target = nullptr;

void Paint(HWND window) {
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    if (target == nullptr) {
        RECT client;
        GetClientRect(window, &client);
        factory->CreateHwndRenderTarget(
            D2D1::RenderTargetProperties(),
            D2D1::HwndRenderTargetProperties(window, D2D1::SizeU(client.right, client.bottom)),
            &target);
    }
    IDWriteTextFormat* format = nullptr;
    writer->CreateTextFormat(L"Tahoma", nullptr, DWRITE_FONT_WEIGHT_NORMAL, DWRITE_FONT_STYLE_NORMAL,
                             DWRITE_FONT_STRETCH_NORMAL, 11.0f, L"en-us", &format);
    ID2D1SolidColorBrush* brush = nullptr;
    target->CreateSolidColorBrush(D2D1::ColorF(0.071f, 0.071f, 0.071f, 1.0f), &brush);
    target->BeginDraw();
    target->FillRectangle(D2D1::RectF(0, 0, 1024, 610), brush);
    brush->SetColor(D2D1::ColorF(1, 1, 1, 1));
    target->DrawText(L"Velkor", 6, format, D2D1::RectF(600, 280, 800, 300), brush);
    target->EndDraw();
    brush->Release();
    format->Release();
    EndPaint(window, &paint);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_PAINT:
            Paint(window);
            return 0;
        case WM_CLOSE:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wparam, lparam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    D2D1CreateFactory(D2D1_FACTORY_TYPE_SINGLE_THREADED, &factory);
    DWriteCreateFactory(DWRITE_FACTORY_TYPE_SHARED, __uuidof(IDWriteFactory),
                        reinterpret_cast<IUnknown**>(&writer));
    WNDCLASSEXW kind{};
    kind.cbSize = sizeof(kind);
    kind.lpfnWndProc = Procedure;
    kind.hInstance = instance;
    kind.lpszClassName = L"MinimalDirect2D";
    RegisterClassExW(&kind);
    RECT outer{0, 0, 1024, 610};
    AdjustWindowRectEx(&outer, WS_CAPTION | WS_SYSMENU, FALSE, 0);
    HWND window = CreateWindowExW(0, L"MinimalDirect2D", L"Minimal Direct2D", WS_CAPTION | WS_SYSMENU,
                                  CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                                  outer.bottom - outer.top, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
