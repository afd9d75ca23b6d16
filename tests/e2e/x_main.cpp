// Entry of the tests that need an X server: each run gets a private Xvfb.

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "tests/e2e/harness.h"

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<e2e::XServer> server;
    if (!GTEST_FLAG_GET(list_tests)) {
        server = std::make_unique<e2e::XServer>();
        setenv("DISPLAY", server->name().c_str(), 1);
    }
    return RUN_ALL_TESTS();
}
