#pragma once
// A styled control's look-and-feel: kind, native style and skin name, each either set on the
// control (assigned) or taken from the master look-and-feel, up to the root one (ultra-flat,
// no native style). It chooses the painter the control draws with.

#include <array>
#include <functional>
#include <string>

#include "controls/look_and_feel_painter.h"

enum TcxLookAndFeelKind { lfFlat, lfStandard, lfUltraFlat, lfOffice11 };
// The names the window description gives the kinds, in their order.
inline constexpr std::array kLookAndFeelKindNames{"lfFlat", "lfStandard", "lfUltraFlat", "lfOffice11"};

enum TcxLookAndFeelValue : unsigned { lfvKind = 1, lfvNativeStyle = 2, lfvSkinName = 4 };

class TcxLookAndFeel {
  public:
    // A look-and-feel without master is a root.
    explicit TcxLookAndFeel(const TcxLookAndFeel* master = &RootLookAndFeel()) : master_(master) {}
    TcxLookAndFeel(const TcxLookAndFeel&) = delete;
    TcxLookAndFeel& operator=(const TcxLookAndFeel&) = delete;

    static const TcxLookAndFeel& RootLookAndFeel();

    TcxLookAndFeelKind Kind() const;
    void SetKind(TcxLookAndFeelKind kind);
    bool NativeStyle() const;
    void SetNativeStyle(bool native);
    std::string SkinName() const;
    void SetSkinName(std::string name);
    // Which of lfvKind, lfvNativeStyle and lfvSkinName were set on this look-and-feel.
    unsigned AssignedValues() const { return assigned_; }

    // The painter of the kind. Only the ultra-flat painter is linked into the program, so
    // every kind, and the native style, draws with it.
    const TcxCustomLookAndFeelPainter& Painter() const;

    // Called after every change.
    std::function<void()> OnChange;

  private:
    void Changed(unsigned value);

    const TcxLookAndFeel* master_;
    TcxLookAndFeelKind kind_ = lfUltraFlat;
    bool nativeStyle_ = false;
    std::string skinName_;
    unsigned assigned_ = 0;
};
