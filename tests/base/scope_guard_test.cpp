// Undoing at the end of a scope, on the way out by return and by exception.
#include "base/scope_guard.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

TEST(ScopeGuard, UndoesOnceWhetherTheScopeReturnsOrThrowsAndNestedValuesComeBackInOrder) {
    for (const bool throws : {false, true}) {
        int undone = 0;
        std::string value = "outer";
        try {
            const ScopeExit count([&] { ++undone; });
            const ScopedValue<std::string> first(value, "first");
            {
                const ScopedValue<std::string> second(value, "second");
                EXPECT_EQ(value, "second");
            }
            EXPECT_EQ(value, "first");
            if (throws)
                throw std::runtime_error("leaving");
        } catch (const std::runtime_error&) {
        }
        EXPECT_EQ(undone, 1) << "throws: " << throws;
        EXPECT_EQ(value, "outer") << "throws: " << throws;
    }
}
