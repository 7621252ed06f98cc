#pragma once
// The flat push button: a platform button whose every pixel the control paints itself, in the
// colours of its visual state.

#include "framework/button.h"

enum TcxLookAndFeelKind { lfFlat, lfStandard, lfUltraFlat, lfOffice11 };

class TcxButton : public TButton {
  public:
    explicit TcxButton(TComponent* owner);
    const char* ClassName() const override { return "TcxButton"; }

    TColor DefaultColor() const { return defaultColor_; }
    TcxLookAndFeelKind LookAndFeelKind() const { return kind_; }
    bool NativeStyle() const { return nativeStyle_; }

    bool ReadProperty(TReader& reader, const DescProperty& prop) override;

  protected:
    void CreateParams(TCreateParams& params) override;
    void SetButtonStyle(bool) override {}
    void EnabledChanged() override;
    // The paint covers every pixel.
    void EraseBackground(HDC) override {}
    bool DrawItem(const DRAWITEMSTRUCT& item) override;

  private:
    TColor defaultColor_ = clDefault;
    TcxLookAndFeelKind kind_ = lfUltraFlat;
    bool nativeStyle_ = false;
};
