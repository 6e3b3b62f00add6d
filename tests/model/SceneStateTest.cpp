#include "scene/SceneState.h"
#include "scene/Catalogues.h"

#include <gtest/gtest.h>

TEST(SceneState, StartValuesDescribeTheR760WithEveryComponentShown) {
    SceneState s;
    InitialiseSceneState(s);
    EXPECT_EQ(s.typeCode, "R-760");
    EXPECT_EQ(s.flapCount, 44);
    EXPECT_FLOAT_EQ(s.displayHeight, 390);
    EXPECT_FLOAT_EQ(s.level, 200);
    EXPECT_EQ(s.flapStartIndex, -2);
    EXPECT_EQ(s.tankMode, DisplayMode::Cut);
    EXPECT_EQ(s.pipeMode, DisplayMode::Cut);
    EXPECT_EQ(s.floatMode, DisplayMode::Cut);
    EXPECT_EQ(s.railMode, DisplayMode::Cut);
    EXPECT_EQ(s.flapMode, DisplayMode::Whole);
    EXPECT_FLOAT_EQ(s.cameraRotY, 60);
    EXPECT_FLOAT_EQ(s.cameraPanY, 30);
    EXPECT_FLOAT_EQ(s.zoom, 35);
    EXPECT_TRUE(s.levelDemoRunning);
    EXPECT_TRUE(s.swingDemoRunning);
    EXPECT_FLOAT_EQ(s.animationSpeed, 0.2f);
    EXPECT_EQ(s.languageCode, "gb");
    EXPECT_EQ(s.versionText, "3.0.0");
    EXPECT_EQ(s.connection.name, "C-201  DN10/PN 25/40");
    EXPECT_FLOAT_EQ(s.connection.innerDiameter, 14);
    EXPECT_EQ(s.selectedFloat.name, "F-304/00 Dichte 1,00");
    EXPECT_FLOAT_EQ(s.selectedFloat.immersionDepth, 100);
    EXPECT_EQ(s.fullColour.englishName, "Red");
    EXPECT_EQ(s.emptyColour.englishName, "White");
}

TEST(SceneState, DefaultsRestoreOptionsModesAndViewButNotLaterAccessoryFlags) {
    SceneState s;
    InitialiseSceneState(s);
    // The main window switches these on after the snapshot was taken.
    s.switch1Visible = s.switch2Visible = s.transmitterVisible = s.scaleVisible = true;
    s.level = 17;
    s.pipeMode = DisplayMode::Whole;
    s.cameraRotX = 45;
    s.zoom = 900;
    s.typeCode = "R-410"; // not part of the snapshot
    RestoreDefaults(s);
    EXPECT_FALSE(s.switch1Visible);
    EXPECT_FALSE(s.switch2Visible);
    EXPECT_FALSE(s.transmitterVisible);
    EXPECT_FALSE(s.scaleVisible);
    EXPECT_FLOAT_EQ(s.level, 200);
    EXPECT_EQ(s.pipeMode, DisplayMode::Cut);
    EXPECT_FLOAT_EQ(s.cameraRotX, 0);
    EXPECT_FLOAT_EQ(s.zoom, 35);
    EXPECT_EQ(s.typeCode, "R-410");
}

TEST(Catalogues, NamesKeepTheirExactSpacingAndSigns) {
    EXPECT_EQ(connectionCatalogue[8].name, "C-206  ANSI 1\"   150RF");
    EXPECT_EQ(connectionCatalogue[11].name, "C-209  ANSI 1\"   300RF");
    EXPECT_EQ(connectionCatalogue[12].name, "C-210  Stutzen \xC3\x98"
                                            "17,2x1,6");
    EXPECT_EQ(connectionCatalogue[0].name, "FNull");
    EXPECT_FLOAT_EQ(connectionCatalogue[0].nozzleLength, 110);
    EXPECT_EQ(colourTable[2].germanName, "Gr\xC3\xBCn");
    EXPECT_EQ(standardFloatCatalogue[4].name, "F-306/00 Dichte 1,00");
    EXPECT_EQ(typeCodes[4], "R-650");
}
