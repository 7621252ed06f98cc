#include "picture/graphic.h"

bool TGraphicClass::InheritsFrom(const TGraphicClass& other) const {
    for (const TGraphicClass* c = this; c; c = c->parent)
        if (c == &other)
            return true;
    return false;
}

const TGraphicClass& TGraphic::StaticClass() {
    static const TGraphicClass graphicClass = {"TGraphic", nullptr, nullptr};
    return graphicClass;
}
