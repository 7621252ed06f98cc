#include "tests/support/scripted_control/demo_desktop.h"

#include "base/win/gdi.h"

#include <algorithm>
#include <cwchar>
#include <iterator>

namespace scripted {

namespace {

constexpr DemoEndButton kButtons[] = {
    {0x4D1, L"Se d\u00e9connecter (raison 2)", 2},
    {0x4D2, L"Couper la connexion (raison 3)", 3},
};

constexpr wchar_t kTitle[] = L"Session de d\u00e9monstration";
constexpr wchar_t kNotice[] = L"Bureau simul\u00e9 par le contr\u00f4le de d\u00e9veloppement \u2014 aucune "
                              L"connexion r\u00e9seau";
constexpr COLORREF kDesktopColor = RGB(0x1F, 0x4E, 0x79);
constexpr COLORREF kBandColor = RGB(0x14, 0x2F, 0x4A);
constexpr COLORREF kTextColor = RGB(0xF2, 0xF5, 0xF8);
constexpr int kBandHeight = 40;
constexpr int kButtonWidth = 210;
constexpr int kButtonHeight = 28;
constexpr int kGap = 8;

RECT Band(const RECT& client) {
    RECT band = client;
    band.top = band.bottom > kBandHeight ? band.bottom - kBandHeight : band.top;
    return band;
}

std::wstring TimeOfDay() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t text[16];
    swprintf(text, 16, L"%02u:%02u:%02u", now.wHour, now.wMinute, now.wSecond);
    return text;
}

FontHandle ScaledFont(int height, int weight) {
    LOGFONTW font{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    font.lfHeight = -height;
    font.lfWeight = weight;
    return FontHandle(CreateFontIndirectW(&font));
}

void DrawLine(HDC dc, const std::wstring& text, RECT area) {
    DrawTextW(dc, text.c_str(), int(text.size()), &area, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
}

void Compose(HDC dc, const RECT& client, const std::wstring& userCode) {
    BrushHandle desktop(CreateSolidBrush(kDesktopColor));
    BrushHandle band(CreateSolidBrush(kBandColor));
    const RECT bandRect = Band(client);
    FillRect(dc, &client, desktop.Get());
    FillRect(dc, &bandRect, band.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kTextColor);

    // The text scales with the window, so it reads the same small or maximized.
    const int height = client.bottom - client.top;
    const int titleHeight = std::clamp(height / 10, 14, 48);
    const int lineHeight = std::max(titleHeight / 2, 12);
    const FontHandle title = ScaledFont(titleHeight, FW_BOLD);
    const FontHandle body = ScaledFont(lineHeight, FW_NORMAL);
    RECT line = client;
    line.top = (bandRect.top - client.top) / 3;
    {
        const SelectGuard selected(dc, title.Get());
        DrawLine(dc, kTitle, line);
    }
    {
        const SelectGuard selected(dc, body.Get());
        line.top += titleHeight * 2;
        DrawLine(dc, L"Utilisateur : " + userCode, line);
        line.top += lineHeight * 3 / 2;
        DrawLine(dc, L"Heure : " + TimeOfDay(), line);
    }
    const SelectGuard selected(dc, GetStockObject(DEFAULT_GUI_FONT));
    RECT notice = bandRect;
    notice.left += kGap;
    DrawTextW(dc, kNotice, -1, &notice, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

} // namespace

const DemoEndButton* FindDemoEndButton(WORD id) {
    for (const auto& b : kButtons)
        if (b.id == id)
            return &b;
    return nullptr;
}

void CreateDemoButtons(HWND window) {
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    for (const auto& b : kButtons) {
        HWND button = CreateWindowExW(
            0, L"BUTTON", b.caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, kButtonWidth,
            kButtonHeight, window, reinterpret_cast<HMENU>(UINT_PTR(b.id)), nullptr, nullptr);
        if (button)
            SendMessageW(button, WM_SETFONT, font, FALSE);
    }
    PlaceDemoButtons(window);
}

void DestroyDemoButtons(HWND window) noexcept {
    for (const auto& b : kButtons)
        if (HWND button = GetDlgItem(window, b.id))
            DestroyWindow(button);
}

void PlaceDemoButtons(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    const RECT band = Band(client);
    int right = band.right - kGap;
    const int top = band.top + (band.bottom - band.top - kButtonHeight) / 2;
    // Right to left, as on a taskbar's notification side.
    for (auto it = std::rbegin(kButtons); it != std::rend(kButtons); ++it) {
        if (HWND button = GetDlgItem(window, it->id))
            MoveWindow(button, right - kButtonWidth, top, kButtonWidth, kButtonHeight, TRUE);
        right -= kButtonWidth + kGap;
    }
}

void PaintDemoDesktop(HWND window, const std::wstring& userCode) {
    const PaintDC paint(window);
    RECT client;
    GetClientRect(window, &client);
    // Composed off screen and copied once: the clock repaints every second without flicker.
    const MemoryDC buffer(paint.Get());
    const BitmapHandle bitmap(CreateCompatibleBitmap(paint.Get(), client.right, client.bottom));
    if (!buffer || !bitmap) {
        Compose(paint.Get(), client, userCode);
        return;
    }
    const SelectGuard selected(buffer.Get(), bitmap.Get());
    Compose(buffer.Get(), client, userCode);
    BitBlt(paint.Get(), 0, 0, client.right, client.bottom, buffer.Get(), 0, 0, SRCCOPY);
}

} // namespace scripted
