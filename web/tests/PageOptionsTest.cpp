#include "web/PageOptions.h"

#include <gtest/gtest.h>

TEST(PageOptions, AnEmptyAddressKeepsTheDemosRunningAndLeavesSmoothEdgesToTheRenderer) {
    for (const char* query : {"", "?"}) {
        const PageOptions options = parsePageOptions(query);
        EXPECT_TRUE(options.demosRunning);
        EXPECT_FALSE(options.smoothEdges.has_value());
    }
}

TEST(PageOptions, ReadsTheDemosAndSmoothEdgesAmongOtherParameters) {
    const PageOptions options = parsePageOptions("?lang=de&demos=0&smooth=on");
    EXPECT_FALSE(options.demosRunning);
    ASSERT_TRUE(options.smoothEdges.has_value());
    EXPECT_TRUE(*options.smoothEdges);
    EXPECT_FALSE(*parsePageOptions("smooth=false").smoothEdges) << "without the leading '?'";
}

TEST(PageOptions, ValuesThatAreNoAnswerChangeNothing) {
    for (const char* query : {"?demos", "?demos=", "?demos=maybe", "?smooth=2", "?Demos=0"}) {
        SCOPED_TRACE(query);
        const PageOptions options = parsePageOptions(query);
        EXPECT_TRUE(options.demosRunning);
        EXPECT_FALSE(options.smoothEdges.has_value());
    }
}
