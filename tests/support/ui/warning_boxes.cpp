#include "tests/support/ui/warning_boxes.h"

#include <algorithm>

#include "app/message_form.h"
#include "framework/window_class.h"
#include "tests/support/ui/ui_driver.h"

namespace {

WarningBoxWatcher* g_watcher = nullptr;

BOOL CALLBACK CollectDisabled(HWND hwnd, LPARAM param) {
    if (IsWindowVisible(hwnd) && !IsWindowEnabled(hwnd))
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
    return TRUE;
}

} // namespace

void WarningBoxWatcher::PressOk(TMessageForm&) {
    const HWND target = GetFocus();
    PostMessageA(target, WM_KEYDOWN, VK_RETURN, 1);
    PostMessageA(target, WM_KEYUP, VK_RETURN, 1 | (LPARAM(3) << 30));
}

WarningBoxWatcher::WarningBoxWatcher(Action action) : action_(std::move(action)) {
    g_watcher = this;
    timer_ = SetTimer(nullptr, 0, 10, Tick);
}

WarningBoxWatcher::~WarningBoxWatcher() {
    KillTimer(nullptr, timer_);
    g_watcher = nullptr;
}

std::vector<std::string> WarningBoxWatcher::Messages() const {
    std::vector<std::string> messages;
    for (const SeenBox& b : boxes_)
        messages.push_back(b.message);
    return messages;
}

void CALLBACK WarningBoxWatcher::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (g_watcher)
        g_watcher->Look();
}

BOOL CALLBACK WarningBoxWatcher::Visit(HWND hwnd, LPARAM param) {
    auto* self = reinterpret_cast<WarningBoxWatcher*>(param);
    auto* box = dynamic_cast<TMessageForm*>(FindControl(hwnd));
    if (!box || !IsWindowVisible(hwnd) || GetActiveWindow() != hwnd)
        return TRUE;
    if (std::find(self->handled_.begin(), self->handled_.end(), hwnd) != self->handled_.end())
        return TRUE;
    self->handled_.push_back(hwnd);
    SeenBox seen{hwnd, WindowText(hwnd), box->Message(), {}, GetFocus()};
    EnumThreadWindows(GetCurrentThreadId(), CollectDisabled, reinterpret_cast<LPARAM>(&seen.disabledWindows));
    self->boxes_.push_back(std::move(seen));
    if (self->action_)
        self->action_(*box);
    return FALSE;
}

void WarningBoxWatcher::Look() {
    EnumThreadWindows(GetCurrentThreadId(), Visit, reinterpret_cast<LPARAM>(this));
}
