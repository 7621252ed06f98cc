#include "controls/register_controls.h"

#include "controls/cx_button.h"
#include "controls/cx_image.h"
#include "controls/cx_label.h"
#include "controls/win_xp.h"
#include "framework/component_registry.h"

void RegisterStyledControls() {
    RegisterComponentClass<TcxButton>("TcxButton");
    RegisterComponentClass<TcxImage>("TcxImage");
    RegisterComponentClass<TcxLabel>("TcxLabel");
    RegisterComponentClass<TWinXP>("TWinXP");
}
