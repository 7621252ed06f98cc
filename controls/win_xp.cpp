#include "controls/win_xp.h"

#include "base/exception.h"
#include "framework/form.h"

TWinXP::TWinXP(TComponent* owner) : TComponent(owner) {
    if (!dynamic_cast<TForm*>(owner))
        throw Exception("Control parent must be a form!");
    int count = 0;
    for (const TComponent* c : owner->Components())
        if (dynamic_cast<const TWinXP*>(c))
            ++count;
    if (count > 1)
        throw Exception("Only one instance of TWinXP allowed on form");
}
