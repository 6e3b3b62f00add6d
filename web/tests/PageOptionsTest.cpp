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

TEST(PageOptions, TheLanguageIsGermanOrEnglishAndOtherwiseLeftToTheSettings) {
    EXPECT_EQ(parsePageOptions("?lang=de").german, true);
    EXPECT_EQ(parsePageOptions("?demos=0&lang=en").german, false);
    for (const char* query : {"", "?lang=", "?lang=fr", "?lang=DE", "?language=de"}) {
        SCOPED_TRACE(query);
        EXPECT_FALSE(parsePageOptions(query).german.has_value());
    }
}
