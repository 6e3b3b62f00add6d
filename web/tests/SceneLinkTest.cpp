// Scene links: any scene text goes into a page address's fragment and comes back byte for byte;
// damaged and oversized links are told apart from addresses that carry no scene.
#include "web/SceneLink.h"

#include <gtest/gtest.h>

TEST(SceneLink, EveryTextComesBackWhateverItsLength) {
    std::string text;
    for (int length = 0; length < 70; ++length) {
        SCOPED_TRACE(length);
        const std::string fragment = sceneFragment(text);
        ASSERT_TRUE(fragment.starts_with("scene="));
        EXPECT_EQ(fragment.find_first_of("+/=&#", 6), std::string::npos)
            << "only characters an address keeps as they are";
        const SceneLinkReading reading = readSceneFragment("#" + fragment, 1000);
        EXPECT_TRUE(reading.present);
        ASSERT_TRUE(reading.text);
        EXPECT_EQ(*reading.text, text);
        text += char(length * 37 + 200); // every byte value, UTF-8 or not
    }
}

TEST(SceneLink, KnownEncodingsAndTheStandardAlphabetAsMailProgramsWriteIt) {
    EXPECT_EQ(sceneFragment("[scene]"), "scene=W3NjZW5lXQ");
    EXPECT_EQ(sceneFragment("\xfb\xff"), "scene=-_8");
    EXPECT_EQ(readSceneFragment("scene=+/8=", 10).text, "\xfb\xff");
    EXPECT_EQ(readSceneFragment("#lang=de&scene=W3NjZW5lXQ&x=1", 10).text, "[scene]");
}

TEST(SceneLink, AnAddressWithoutASceneIsNoDamagedLink) {
    for (const char* fragment : {"", "#", "#scenery", "#x=scene=W3Nj", "#Scene=W3Nj"}) {
        SCOPED_TRACE(fragment);
        EXPECT_FALSE(readSceneFragment(fragment, 100).present);
    }
}

TEST(SceneLink, DamagedOrOversizedLinksHaveNoText) {
    for (const char* fragment : {"#scene=W3Nj*W5l", "#scene=W", "#scene=W3NjZ%20", "#scene=W3 N"}) {
        SCOPED_TRACE(fragment);
        const SceneLinkReading reading = readSceneFragment(fragment, 100);
        EXPECT_TRUE(reading.present);
        EXPECT_FALSE(reading.text);
    }
    const std::string large = sceneFragment(std::string(101, 'x'));
    EXPECT_FALSE(readSceneFragment(large, 100).text) << "a byte more than allowed";
    EXPECT_TRUE(readSceneFragment(large, 101).text);
}
