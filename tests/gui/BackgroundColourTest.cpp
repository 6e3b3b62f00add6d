// The colour dialog wired to the main window as at program start: applying recolours the window
// and the next frame.
#include "WindowFixture.h"

#include "dialogs/Color.h"

#include <QPushButton>
#include <QScrollBar>

TEST_F(WindowTest, ColourDialogAppliesToTheWindowAndTheView) {
    stopDemos();
    TColor_dlg dialog(window->core().colourChoice(), state->languageCode);
    SecondaryWindows secondary;
    secondary.refreshColour = [&dialog] { dialog.showChoice(); };
    window->setSecondaryWindows(secondary);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.ScrollBar1->setValue(255);
    dialog.ScrollBar2->setValue(128);
    dialog.ScrollBar3->setValue(0);
    QTest::mouseClick(dialog.BitBtn4, Qt::LeftButton);
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(255, 128, 0));

    paintStill(); // the clear colour takes effect from the frame after the change
    const QImage image = frame();
    const QColor corner = image.pixelColor(image.width() / 2, 2);
    EXPECT_NEAR(corner.red(), 255, 1);
    EXPECT_NEAR(corner.green(), 128, 1);
    EXPECT_NEAR(corner.blue(), 0, 1);
}
