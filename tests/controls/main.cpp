#include <gtest/gtest.h>

#include "controls/register_controls.h"
#include "framework/component_registry.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    RegisterFrameworkClasses();
    RegisterStyledControls();
    return RUN_ALL_TESTS();
}
