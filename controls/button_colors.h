#pragma once
// A flat button's colours: ten slots, face and caption for each visual state, each either
// assigned a colour of its own or left to the painter (clDefault).

#include <array>
#include <functional>
#include <string_view>

#include "base/colors.h"
#include "controls/look_and_feel_painter.h"

enum TcxButtonAssignedColor {
    cxbcDefault,
    cxbcDefaultText,
    cxbcDisabled,
    cxbcDisabledText,
    cxbcHot,
    cxbcHotText,
    cxbcNormal,
    cxbcNormalText,
    cxbcPressed,
    cxbcPressedText,
};

class TcxButtonColors {
  public:
    static constexpr int kSlots = 10;

    TColor Get(TcxButtonAssignedColor slot) const { return colors_[slot]; }
    // clNone and clDefault clear the slot; another colour is stored and marks it assigned.
    void Set(TcxButtonAssignedColor slot, TColor color);
    bool Assigned(TcxButtonAssignedColor slot) const { return (assigned_ >> slot) & 1u; }
    // The slot published under a name such as "Default" or "PressedText".
    static bool SlotByName(std::string_view name, TcxButtonAssignedColor& slot);
    static std::string_view SlotName(TcxButtonAssignedColor slot);

    // The face colour of a state: its own slot when assigned, else the Default slot for the
    // Normal state and the Normal slot for the others; clDefault leaves it to the painter.
    TColor Face(TcxButtonState state) const;
    // The caption colour of a state: its own slot when assigned, else clDefault.
    TColor Caption(TcxButtonState state) const;

    // Called after every change.
    std::function<void()> OnChange;

  private:
    std::array<TColor, kSlots> colors_{clDefault, clDefault, clDefault, clDefault, clDefault,
                                       clDefault, clDefault, clDefault, clDefault, clDefault};
    unsigned assigned_ = 0;
};
