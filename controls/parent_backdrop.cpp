#include "controls/parent_backdrop.h"

#include "base/win/gdi.h"
#include "base/win/rect.h"
#include "framework/win_control.h"

namespace {

// Erase then paint a window into the DC as it would paint itself, flagged as a copy meanwhile.
void PaintCopy(TWinControl& c, HDC dc) {
    const bool wasCopy = (c.ControlState() & csPaintCopy) != 0;
    c.IncludeState(csPaintCopy);
    c.Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    c.Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    if (!wasCopy)
        c.ExcludeState(csPaintCopy);
}

} // namespace

void PaintParentBackdrop(TWinControl& control, HDC dc, const TRect& rect, bool withSiblings) {
    TWinControl* parent = control.Parent();
    if (!parent || !parent->HandleAllocated())
        return;
    const TRect inParent = rect.Offset(control.Left(), control.Top());
    SavedDCState state(dc);
    POINT old;
    OffsetViewportOrgEx(dc, -inParent.left, -inParent.top, &old);
    RECT r = ToRECT(inParent);
    if (!RectVisible(dc, &r))
        return;
    PaintCopy(*parent, dc);
    if (!withSiblings)
        return;
    for (TWinControl* sibling : parent->Controls()) {
        if (sibling == &control)
            break;
        if (!sibling->Visible() || !sibling->HandleAllocated())
            continue;
        TRect bounds = sibling->BoundsRect();
        RECT sr = ToRECT(bounds);
        if (!RectVisible(dc, &sr))
            continue;
        SavedDCState siblingState(dc);
        OffsetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
        const LONG_PTR exStyle = GetWindowLongPtrA(sibling->WindowHandle(), GWL_EXSTYLE);
        const LONG_PTR style = GetWindowLongPtrA(sibling->WindowHandle(), GWL_STYLE);
        if ((exStyle & WS_EX_CLIENTEDGE) || (style & WS_BORDER)) {
            RECT edge{0, 0, bounds.Width(), bounds.Height()};
            DrawEdge(dc, &edge, (exStyle & WS_EX_CLIENTEDGE) ? EDGE_SUNKEN : BDR_OUTER,
                     BF_RECT | BF_ADJUST | ((exStyle & WS_EX_CLIENTEDGE) ? 0 : BF_FLAT));
            OffsetViewportOrgEx(dc, edge.left, edge.top, nullptr);
            IntersectClipRect(dc, 0, 0, edge.right - edge.left, edge.bottom - edge.top);
        } else {
            IntersectClipRect(dc, 0, 0, bounds.Width(), bounds.Height());
        }
        PaintCopy(*sibling, dc);
    }
}
