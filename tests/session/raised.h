#pragma once
// The exception a call raises, checked to be of class E.

#include <gtest/gtest.h>

#include <exception>
#include <memory>

// A copy of the exception `f` raises when it is of class E; null (and a test failure) when `f`
// raises nothing or something else.
template <class E, class F>
std::unique_ptr<E> Raised(F&& f) {
    try {
        f();
    } catch (const E& e) {
        return std::make_unique<E>(e);
    } catch (const std::exception& e) {
        ADD_FAILURE() << "wrong exception: " << e.what();
        return nullptr;
    }
    ADD_FAILURE() << "nothing raised";
    return nullptr;
}
