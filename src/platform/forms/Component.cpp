#include "platform/forms/Component.h"

#include <algorithm>
#include <strings.h>

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_) owner_->insertComponent(this);
}

TComponent::~TComponent() {
    if (peer_) peer_->ComponentDestroyed(*this);
    // Destroy owned components newest first, as they were built on each other.
    while (!components_.empty()) {
        TComponent* c = components_.back();
        components_.pop_back();
        c->owner_ = nullptr;
        delete c;
    }
    if (owner_) owner_->removeComponent(this);
}

void TComponent::removeComponent(TComponent* c) {
    components_.erase(std::remove(components_.begin(), components_.end(), c), components_.end());
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    for (TComponent* c : components_)
        if (strcasecmp(c->name_.c_str(), name.c_str()) == 0) return c;
    return nullptr;
}
