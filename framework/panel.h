#pragma once
// A container drawn in its colour, with optional raised or lowered bevels and a centred caption.

#include <array>
#include "framework/win_control.h"

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
// The names the window description gives the values, in their order.
inline constexpr std::array kBevelCutNames{"bvNone", "bvLowered", "bvRaised", "bvSpace"};

class TPanel : public TWinControl {
  public:
    explicit TPanel(TComponent* owner);
    const char* ClassName() const override { return "TPanel"; }

    TBevelCut BevelOuter() const { return bevelOuter_; }
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelOuter(TBevelCut v);
    void SetBevelInner(TBevelCut v);

    bool ReadProperty(TReader& reader, const DescProperty& prop) override;

  protected:
    void Paint(HDC dc) override;

  private:
    TBevelCut bevelOuter_ = bvRaised;
    TBevelCut bevelInner_ = bvNone;
};
