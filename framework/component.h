#pragma once
// The root of the framework's object tree: a named component owned by another one. An owner
// frees what it owns, last created first; reference counts never decide a lifetime.

#include <string>
#include <string_view>
#include <vector>

struct DescProperty;
class TReader;

class TComponent {
  public:
    explicit TComponent(TComponent* owner);
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;
    virtual ~TComponent();

    virtual const char* ClassName() const { return "TComponent"; }

    const std::string& Name() const { return name_; }
    virtual void SetName(std::string name) { name_ = std::move(name); }
    TComponent* Owner() const { return owner_; }
    const std::vector<TComponent*>& Components() const { return components_; }
    TComponent* FindComponent(std::string_view name) const;

    bool Loading() const { return loading_; }

    // Applies one stored value of the window description. Answers false for a property the
    // class does not have; derived classes handle theirs and pass the rest to their base.
    virtual bool ReadProperty(TReader& reader, const DescProperty& prop);
    // Called once the whole description has been read.
    virtual void Loaded();
    // Takes a component stored inside this one's block of the description that is not a control
    // (controls are parented instead), such as a menu's lines; others have no place here.
    virtual void AddStoredChild(TComponent*) {}

    void BeginLoading() { loading_ = true; }

  protected:
    // Frees every owned component, last created first.
    void DestroyComponents();

  private:
    void Insert(TComponent* c) { components_.push_back(c); }
    void Remove(TComponent* c);

    TComponent* owner_;
    std::string name_;
    std::vector<TComponent*> components_;
    bool loading_ = false;
};

// Creates a component that `owner` owns: the owner frees it with itself, so the pointer
// answered is a reference that needs no release.
template <class T>
T* CreateOwned(TComponent* owner) {
    return new T(owner);
}
