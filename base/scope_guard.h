#pragma once
// Undoing at the end of a scope, however the scope ends, for what no owning type fits: a
// function to run (ScopeExit), or a variable set for the scope and given back its value
// (ScopedValue). Neither may throw while undoing.

#include <utility>

template <class Undo>
class ScopeExit {
  public:
    explicit ScopeExit(Undo undo) : undo_(std::move(undo)) {}
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;
    ~ScopeExit() { undo_(); }

  private:
    Undo undo_;
};

template <class T>
class ScopedValue {
  public:
    ScopedValue(T& variable, T value)
        : variable_(variable), previous_(std::exchange(variable, std::move(value))) {}
    ScopedValue(const ScopedValue&) = delete;
    ScopedValue& operator=(const ScopedValue&) = delete;
    ~ScopedValue() { variable_ = std::move(previous_); }

  private:
    T& variable_;
    T previous_;
};
