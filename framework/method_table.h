#pragma once
// The named handler methods of a window class, which the window description refers to by name
// (OnClick = btnLoginClick). Each entry keeps the handler's exact type.

#include <any>
#include <map>
#include <string>
#include <string_view>

class MethodTable {
  public:
    template <typename Handler>
    void Add(std::string name, Handler handler) {
        methods_[std::move(name)] = std::move(handler);
    }

    // The handler of that name and type; nullptr when there is none or its type differs.
    template <typename Handler>
    const Handler* Find(std::string_view name) const {
        const auto it = methods_.find(std::string(name));
        return it == methods_.end() ? nullptr : std::any_cast<Handler>(&it->second);
    }

    bool Contains(std::string_view name) const { return methods_.count(std::string(name)) != 0; }

  private:
    std::map<std::string, std::any> methods_;
};
