#pragma once
// Driving the sign-in window as a user would: typing the credentials, clicking, and counting
// the buttons' clicks.

#include <windows.h>

#include <string>

#include "app/main.h"
#include "controls/cx_button.h"
#include "framework/edit.h"

inline void Fill(TFrmConnexionORLIX& form, const std::wstring& user, const std::wstring& password) {
    SetWindowTextW(form.Edit1->Handle(), user.c_str());
    SetWindowTextW(form.edit2->Handle(), password.c_str());
}

inline void ClickLogin(TFrmConnexionORLIX& form) {
    SendMessageA(form.btnLogin->Handle(), BM_CLICK, 0, 0);
}

// A left click at a point of the window's client area, posted as the mouse would send it.
inline void PostClick(HWND hwnd, int x, int y) {
    PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// Replaces both buttons' click handlers with counters, so that clicks can be observed without
// signing in or ending the program.
struct ClickCounter {
    int login = 0;
    int cancel = 0;
    explicit ClickCounter(TFrmConnexionORLIX& form) {
        form.btnLogin->OnClick = [this](TComponent*) { ++login; };
        form.btnCancel->OnClick = [this](TComponent*) { ++cancel; };
    }
    ClickCounter(const ClickCounter&) = delete;
    ClickCounter& operator=(const ClickCounter&) = delete;
};
