#include "controls/button_colors.h"

namespace {

struct StateSlots {
    TcxButtonAssignedColor face;
    TcxButtonAssignedColor caption;
};

// By TcxButtonState.
constexpr StateSlots kStateSlots[] = {
    {cxbcDefault, cxbcDefaultText}, {cxbcNormal, cxbcNormalText},     {cxbcHot, cxbcHotText},
    {cxbcPressed, cxbcPressedText}, {cxbcDisabled, cxbcDisabledText},
};

// By TcxButtonAssignedColor.
constexpr std::string_view kSlotNames[] = {"Default", "DefaultText", "Disabled", "DisabledText",
                                           "Hot",     "HotText",     "Normal",   "NormalText",
                                           "Pressed", "PressedText"};

} // namespace

void TcxButtonColors::Set(TcxButtonAssignedColor slot, TColor color) {
    if (color == clNone || color == clDefault) {
        if (colors_[slot] == clDefault && !Assigned(slot))
            return;
        colors_[slot] = clDefault;
        assigned_ &= ~(1u << slot);
    } else {
        if (color == colors_[slot])
            return;
        colors_[slot] = color;
        assigned_ |= 1u << slot;
    }
    if (OnChange)
        OnChange();
}

bool TcxButtonColors::SlotByName(std::string_view name, TcxButtonAssignedColor& slot) {
    for (int i = 0; i < kSlots; ++i) {
        if (kSlotNames[i] == name) {
            slot = TcxButtonAssignedColor(i);
            return true;
        }
    }
    return false;
}

std::string_view TcxButtonColors::SlotName(TcxButtonAssignedColor slot) {
    return kSlotNames[slot];
}

TColor TcxButtonColors::Face(TcxButtonState state) const {
    const TcxButtonAssignedColor own = kStateSlots[state].face;
    if (Assigned(own))
        return colors_[own];
    return colors_[state == cxbsNormal ? cxbcDefault : cxbcNormal];
}

TColor TcxButtonColors::Caption(TcxButtonState state) const {
    const TcxButtonAssignedColor own = kStateSlots[state].caption;
    return Assigned(own) ? colors_[own] : clDefault;
}
