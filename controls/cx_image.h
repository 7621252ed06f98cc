#pragma once
// The picture box: shows a stored picture centred in its content rectangle (its bounds inset by
// 2 pixels) with a one-pixel frame, over its parent's backdrop when transparent. A click gives
// it the focus although it is not a tab stop.

#include "base/picture_placement.h"
#include "framework/mouse_tracking.h"
#include "framework/win_control.h"
#include "picture/picture.h"

class TcxImage : public TWinControl, public IcxMouseTrackingCaller {
  public:
    explicit TcxImage(TComponent* owner);
    ~TcxImage() override;
    const char* ClassName() const override { return "TcxImage"; }

    bool Transparent() const { return transparent_; }
    bool ReadOnly() const { return readOnly_; }
    bool Center() const { return center_; }
    bool Proportional() const { return proportional_; }
    bool Stretch() const { return stretch_; }
    bool ShowFocusRect() const { return showFocusRect_; }
    void SetShowFocusRect(bool v);
    TRect ContentRect() const { return ClientRect().Inflated(-2); }
    TPicture& Picture() { return picture_; }
    // The pointer is over the box.
    bool Hot() const { return hot_; }
    // Where the picture is drawn, in the box's client coordinates.
    TRect PictureRect() const;

    void DescribeAccessible(AccessibleTraits& traits) const override;
    bool ReadProperty(TReader& reader, const DescProperty& prop) override;

  protected:
    void EraseBackground(HDC dc) override;
    void Paint(HDC dc) override;
    void MouseDown(TMouseButton button, unsigned keys, TPoint p) override;
    void MouseMove(unsigned keys, TPoint p) override;
    void MouseLeave() override { NotifyMouseLeft(); }
    void DoEnter() override { FocusChangedLook(); }
    void DoExit() override { FocusChangedLook(); }

  private:
    void NotifyMouseLeft() override;
    void PictureChanged();
    // Hover and focus change only the frame's colour: the ring outside the content rectangle.
    void InvalidateFrame();
    // The frame's colour, and the focus rectangle when shown, follow the focus.
    void FocusChangedLook();

    TPicture picture_;
    bool transparent_ = false;
    bool readOnly_ = false;
    bool center_ = true;
    bool proportional_ = true;
    bool stretch_ = false;
    bool showFocusRect_ = true;
    bool hot_ = false;
};
