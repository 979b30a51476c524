#include "platform/Application.h"
#include "state/GameState.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    // Qt runs threads of its own; re-executing keeps death tests safe with them.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    platform::Application app(argc, argv);
    kobu::installStateSnapshots();
    return RUN_ALL_TESTS();
}
