#include "framework/component_registry.h"

#include <map>
#include <string>

#include "framework/button.h"
#include "framework/edit.h"
#include "framework/panel.h"
#include "framework/popup_menu.h"

namespace {

std::map<std::string, ComponentFactory, std::less<>>& Registry() {
    static std::map<std::string, ComponentFactory, std::less<>> registry;
    return registry;
}

} // namespace

void RegisterComponentClass(std::string_view className, ComponentFactory factory) {
    Registry()[std::string(className)] = factory;
}

TComponent* CreateComponent(std::string_view className, TComponent* owner) {
    const auto it = Registry().find(className);
    if (it == Registry().end())
        throw EClassNotFound("Class " + std::string(className) + " not found");
    return it->second(owner);
}

void RegisterFrameworkClasses() {
    RegisterComponentClass<TPanel>("TPanel");
    RegisterComponentClass<TEdit>("TEdit");
    RegisterComponentClass<TButton>("TButton");
    RegisterComponentClass<TPopupMenu>("TPopupMenu");
    RegisterComponentClass<TMenuItem>("TMenuItem");
}
