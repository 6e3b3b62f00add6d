// Values from a hostile kelo.ini where they become widget colours and slider positions: limited
// to what a colour byte can hold, while GL keeps the value as read.
#include "WindowFixture.h"

#include "dialogs/Color.h"

#include <QScrollBar>

#include <cmath>
#include <limits>

TEST(ColourByte, LimitsEveryFloatToAByteAndRoundsHalvesToEven) {
    const float huge = std::numeric_limits<float>::max();
    for (const auto& [component, byte] :
         {std::pair{1e30f, 255}, std::pair{huge, 255}, std::pair{-1e30f, 0}, std::pair{-huge, 0},
          std::pair{std::nanf(""), 0}, std::pair{2.5f / 255.0f, 2}, std::pair{3.5f / 255.0f, 4},
          std::pair{1.0f, 255}, std::pair{0.643f, 164}})
        EXPECT_EQ(colourByte(component), byte) << component;
}

TEST_F(WindowTest, AColourFarOutOfRangeGivesTheBrightestWindowColourAndSlider) {
    stopDemos();
    state->backgroundRed = 1e30f;
    state->backgroundGreen = -1e30f;
    window->applyBackgroundColour();
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(255, 0, 255));
    TColor_dlg dialog(window->core().colourChoice(), state->languageCode);
    SecondaryWindows secondary;
    secondary.refreshColour = [&dialog] { dialog.showChoice(); };
    window->setSecondaryWindows(secondary);
    dialog.show();
    EXPECT_EQ(dialog.ScrollBar1->value(), 255);
    EXPECT_EQ(dialog.ScrollBar2->value(), 0);
    EXPECT_EQ(state->backgroundRed, 1e30f) << "the state keeps what was read";
}
