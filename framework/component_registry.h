#pragma once
// The classes a window description may name, each with the function that creates an instance.

#include <string_view>

#include "base/exception.h"
#include "framework/component.h"

class EClassNotFound : public Exception {
  public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "EClassNotFound"; }
};

using ComponentFactory = TComponent* (*)(TComponent* owner);

void RegisterComponentClass(std::string_view className, ComponentFactory factory);
// Creates an instance owned by `owner`; EClassNotFound for a class that was not registered.
TComponent* CreateComponent(std::string_view className, TComponent* owner);

template <typename T>
void RegisterComponentClass(std::string_view className) {
    RegisterComponentClass(className, [](TComponent* owner) -> TComponent* { return CreateOwned<T>(owner); });
}

// The framework's own classes: TPanel, TEdit, TButton.
void RegisterFrameworkClasses();
