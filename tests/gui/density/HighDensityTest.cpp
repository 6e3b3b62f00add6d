// The main window on a screen of twice the pixel density: the view renders every device pixel,
// the pictures are drawn at that density, and everything measured in pixels keeps its meaning in
// logical pixels.
#include "../WindowFixture.h"

#include "app/CalloutLabel.h"
#include "app/ImageButton.h"
#include "dialogs/CaptionBar.h"

#include <QToolBar>

TEST_F(WindowTest, ViewportHasTwiceTheLogicalPixels) {
    ASSERT_DOUBLE_EQ(window->devicePixelRatioF(), 2.0);
    stopDemos();
    GLView* view = window->view();
    EXPECT_EQ(view->viewport().size(), view->size() * 2);
    EXPECT_EQ(frame().size(), view->size() * 2);
}

TEST_F(WindowTest, LevelFollowsThePointerInLogicalPixels) {
    window->Start_Stop_Image_UpDownClick();
    const int h = window->view()->height();
    sendMove(window->view(), QPoint(100, 0));
    EXPECT_FLOAT_EQ(state->level, 390 + 7) << "the top row";
    sendMove(window->view(), QPoint(500, h));
    EXPECT_FLOAT_EQ(state->level, -7) << "the bottom edge";
    sendMove(window->view(), QPoint(500, h / 2));
    const float middle = state->level;
    sendMove(window->view(), QPoint(99, 10));
    EXPECT_FLOAT_EQ(state->level, middle) << "the 100-pixel strip at the left";
}

TEST_F(WindowTest, GestureStripAndControlsKeepTheirLogicalPlaces) {
    const int right = window->view()->width() - 1;
    EXPECT_EQ(optionsGestures({QPoint(right - 1, 0), QPoint(right, 1)}), 0);
    EXPECT_EQ(optionsGestures({QPoint(right, 0)}), 1) << "the top-right logical pixel";

    QTest::mouseDClick(window->view(), Qt::LeftButton, {}, QPoint(4, 100));
    EXPECT_FALSE(window->menuToolbar()->isVisible());
    QTest::mouseDClick(window->view(), Qt::LeftButton, {}, QPoint(3, 100));
    EXPECT_TRUE(window->menuToolbar()->isVisible()) << "the strip is four logical pixels";

    EXPECT_EQ(window->callout("Label2")->geometry(), QRect(8, 100, 185, 23));
    auto* zoomIn = window->imageButton("ZoomIn_Image");
    EXPECT_EQ(zoomIn->size(), QSize(25, 25));
    EXPECT_EQ(zoomIn->y(), window->view()->height() - 48);
}

TEST_F(WindowTest, PicturesAreDrawnAtTheScreensDensity) {
    const QPixmap button = window->imageButton("Start_Stop_Image")->pixmap();
    EXPECT_DOUBLE_EQ(button.devicePixelRatio(), 2.0);
    EXPECT_EQ(button.size(), QSize(50, 50));
    // A picture drawn for 1x and shown at 2x repeats every pixel in a 2 x 2 block; the close and
    // system squares, with their slanted and half-pixel lines, drawn for this density do not.
    CaptionBar* bar = window->captionBar();
    const QImage shown = bar->grab().toImage();
    ASSERT_EQ(shown.height(), bar->height() * 2);
    for (const CaptionSquare& square : bar->squares()) {
        if (square.button != CaptionButton::Close && square.button != CaptionButton::System)
            continue;
        int finerBlocks = 0;
        for (int y = square.top; y < square.top + square.side; ++y)
            for (int x = square.left; x < square.left + square.side; ++x) {
                const QRgb corner = shown.pixel(2 * x, 2 * y);
                finerBlocks += shown.pixel(2 * x + 1, 2 * y) != corner ||
                               shown.pixel(2 * x, 2 * y + 1) != corner ||
                               shown.pixel(2 * x + 1, 2 * y + 1) != corner;
            }
        EXPECT_GT(finerBlocks, 0) << "caption square " << int(square.button);
    }
}
