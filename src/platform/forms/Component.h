#pragma once
// The base of every window and control: a name, a tag, an owner that keeps
// its components in creation order and destroys them with itself, and an
// optional view peer that the front end attaches to mirror property changes.

#include <memory>
#include <string>
#include <vector>

class TComponent;

// What changed on a component; the view reads the new value from it.
enum class TProperty {
    Bounds, Visible, Enabled, Caption, Text, Hint, ShowHint, Font, Color, Cursor,
    Items, ItemIndex, Checked, Position, Range, Lines, Date, Active, Interval,
    ActivePage, TabVisible, Panels, ShortCut, ModalResult, WindowState, Cells,
    ReadOnly, TabWidth, Picture, Align, Parent, Other,
    // A control was put on this one or taken off it.
    Controls,
    // A component owned by this one was created.
    Components
};

class TViewPeer {
public:
    virtual ~TViewPeer() = default;
    virtual void PropertyChanged(TComponent& component, TProperty property) = 0;
    // The component is being destroyed; only its address is still valid.
    virtual void ComponentDestroyed(TComponent&) {}
};

class TObject {
public:
    virtual ~TObject() = default;
};

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner = nullptr);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    // Creates a component owned by this one.
    template <class T, class... Args>
    T* Create(const std::string& name, Args&&... args) {
        auto* c = new T(this, std::forward<Args>(args)...);
        c->SetName(name);
        Changed(TProperty::Components);
        return c;
    }

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_[static_cast<size_t>(index)]; }
    const std::vector<TComponent*>& ComponentList() const { return components_; }
    // A directly owned component by name (case-insensitive, as the library
    // compares names), or nullptr.
    TComponent* FindComponent(const std::string& name) const;

    // The kind of component, for senders told apart by class.
    virtual const char* ClassName() const { return "TComponent"; }

    TViewPeer* Peer() const { return peer_; }
    void SetPeer(TViewPeer* peer) { peer_ = peer; }

protected:
    void Changed(TProperty property) {
        if (peer_) peer_->PropertyChanged(*this, property);
    }

private:
    void insertComponent(TComponent* c) { components_.push_back(c); }
    void removeComponent(TComponent* c);

    std::string name_;
    int tag_ = 0;
    TComponent* owner_;
    std::vector<TComponent*> components_;
    TViewPeer* peer_ = nullptr;
};
