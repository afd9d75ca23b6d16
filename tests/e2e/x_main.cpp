// Entry of the tests that need an X server: each run gets a private Xvfb.

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "tests/e2e/harness.h"

// The toolkit keeps its caches for the life of the process, and the widget's
// surfaces and viewpoint are by design never released: not leaks of interest.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libX11.so\nleak:libXt.so\nleak:libXaw.so\nleak:libXmu.so\nleak:libxcb.so\n"
           "leak:build_surfaces\nleak:make_label_font_set\nleak:viewpoint_init\nleak:server_default_font\n"
           "leak:CvtStringTo\n";
}

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
