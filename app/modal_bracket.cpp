#include "app/modal_bracket.h"

ModalBracket::ModalBracket(HWND box) : active_(GetActiveWindow()), focus_(GetFocus()) {
    // A pointer captured by a window of the program (a button held down) is let go first.
    if (const HWND capture = GetCapture())
        SendMessageA(capture, WM_CANCELMODE, 0, 0);
    ReleaseCapture();
    disabled_.emplace(box);
}

ModalBracket::~ModalBracket() {
    disabled_.reset();
    if (active_ && IsWindow(active_) && IsWindowVisible(active_))
        SetActiveWindow(active_);
    if (focus_ && IsWindow(focus_) && IsWindowVisible(focus_))
        SetFocus(focus_);
}
