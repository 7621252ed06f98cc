#include "controls/look_and_feel.h"

#include "controls/ultra_flat_painter.h"

const TcxLookAndFeel& TcxLookAndFeel::RootLookAndFeel() {
    static const TcxLookAndFeel root(nullptr);
    return root;
}

TcxLookAndFeelKind TcxLookAndFeel::Kind() const {
    return (assigned_ & lfvKind) || !master_ ? kind_ : master_->Kind();
}

bool TcxLookAndFeel::NativeStyle() const {
    return (assigned_ & lfvNativeStyle) || !master_ ? nativeStyle_ : master_->NativeStyle();
}

std::string TcxLookAndFeel::SkinName() const {
    return (assigned_ & lfvSkinName) || !master_ ? skinName_ : master_->SkinName();
}

void TcxLookAndFeel::SetKind(TcxLookAndFeelKind kind) {
    kind_ = kind;
    Changed(lfvKind);
}

void TcxLookAndFeel::SetNativeStyle(bool native) {
    nativeStyle_ = native;
    Changed(lfvNativeStyle);
}

void TcxLookAndFeel::SetSkinName(std::string name) {
    skinName_ = std::move(name);
    Changed(lfvSkinName);
}

void TcxLookAndFeel::Changed(unsigned value) {
    assigned_ |= value;
    if (OnChange)
        OnChange();
}

const TcxCustomLookAndFeelPainter& TcxLookAndFeel::Painter() const {
    return TcxUltraFlatLookAndFeelPainter::Instance();
}
