#include "framework/component.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_)
        owner_->Insert(this);
}

TComponent::~TComponent() {
    DestroyComponents();
    if (owner_)
        owner_->Remove(this);
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    for (TComponent* c : components_)
        if (c->Name() == name)
            return c;
    return nullptr;
}

bool TComponent::ReadProperty(TReader&, const DescProperty&) {
    return false;
}

void TComponent::Loaded() {
    loading_ = false;
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* last = components_.back();
        components_.pop_back();
        last->owner_ = nullptr;
        delete last;
    }
}

void TComponent::Remove(TComponent* c) {
    const auto it = std::find(components_.begin(), components_.end(), c);
    if (it != components_.end())
        components_.erase(it);
}
