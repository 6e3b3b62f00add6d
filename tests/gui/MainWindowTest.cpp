// The main window with real Qt events and Mesa rendering under Xvfb.
#include "WindowFixture.h"

#include "app/CalloutLabel.h"
#include "app/FpsWindow.h"
#include "app/ImageButton.h"

#include <QLabel>
#include <QScreen>

TEST_F(WindowTest, StartsWithTheCaptionAndTheAccessoriesSwitchedOn) {
    EXPECT_EQ(window->windowTitle(), "MZA Dazivuva Vovorirov  3.0.0");
    EXPECT_TRUE(state->switch1Visible);
    EXPECT_TRUE(state->switch2Visible);
    EXPECT_TRUE(state->transmitterVisible);
    EXPECT_TRUE(state->scaleVisible);
    EXPECT_FALSE(state->insulationVisible);
    EXPECT_FALSE(state->defaults.options.switch1Visible) << "snapshot taken before start-up";
}

TEST_F(WindowTest, RenderedFrameIsClearedToTheBackgroundColour) {
    stopDemos();
    window->FormPaint();
    QTest::qWait(100);
    const QImage image = frame();
    savePicture(image, "start-window");
    const QColor corner = image.pixelColor(image.width() / 2, 2);
    EXPECT_NEAR(corner.red(), 164, 1);
    EXPECT_NEAR(corner.green(), 190, 1);
    EXPECT_NEAR(corner.blue(), 255, 1);
}

TEST_F(WindowTest, PaintLoopRunsWhileADemoRunsAndStopsAfterwards) {
    const float before = state->cameraRotY;
    EXPECT_TRUE(QTest::qWaitFor([&] { return state->cameraRotY != before; }, 5000))
        << "the swing demo advances with every frame";
    EXPECT_TRUE(state->painting);
    stopDemos();
    EXPECT_FALSE(state->painting);
    int frames = 0;
    QObject::connect(window->view(), &GLView::frameSwapped, [&] { ++frames; });
    QTest::qWait(150); // the last pass's frame may still be on its way to the screen
    frames = 0;
    QTest::qWait(300);
    EXPECT_EQ(frames, 0) << "no frames while nothing animates";
}

TEST_F(WindowTest, RedrawRequestDuringTheLoopOnlyChangesState) {
    ASSERT_TRUE(state->painting);
    state->zoom = 100;
    window->FormPaint(); // returns at once; the running loop shows the change
    EXPECT_TRUE(state->painting);
    QTest::qWait(100);
    EXPECT_FLOAT_EQ(state->zoom, 100);
}

TEST_F(WindowTest, MinimisedWindowDoesNotFail) {
    window->showMinimized();
    QTest::qWait(200);
    window->resize(800, 0);
    QTest::qWait(100);
    window->showNormal();
    QTest::qWait(100);
    SUCCEED();
}

TEST_F(WindowTest, FrameRateLabelCountsFramesEverySecond) {
    QLabel* label = window->frameRateWindow()->Label1;
    EXPECT_TRUE(QTest::qWaitFor([&] { return label->text().chopped(3).toInt() > 0; }, 5000));
    const QString text = label->text();
    EXPECT_TRUE(text.endsWith("fps")) << text.toStdString();
    EXPECT_GT(text.chopped(3).toInt(), 0);
    EXPECT_EQ(window->frameRateWindow()->viewLines()[5], "Z:  35.00000");
}

TEST_F(WindowTest, ButtonRowFollowsTheBottomEdge) {
    window->resize(700, 500);
    QTest::qWait(100);
    auto* button = window->imageButton("ZoomIn_Image");
    EXPECT_EQ(button->x(), 168);
    EXPECT_EQ(button->y(), window->view()->height() - 48);
}

TEST_F(WindowTest, WholeWindowPictureInBothLanguages) {
    stopDemos();
    window->Image1DblClick(); // menu bar and step toolbar shown
    for (const bool german : {false, true}) {
        if (german)
            window->ApplyGermanCaptions();
        else
            window->ApplyEnglishCaptions();
        window->FormPaint();
        QTest::qWait(150);
        // As the screen shows it: the view composed with the widgets over it.
        const QImage picture = window->screen()->grabWindow(window->winId()).toImage();
        savePicture(picture, german ? "main-window-d" : "main-window-gb");
        EXPECT_EQ(picture.size(), window->size());
    }
    EXPECT_EQ(window->windowTitle(), "MZA Roveroruvezodozo  3.0.0");
}

TEST_F(WindowTest, CaptionButtonsMaximiseRestoreAndMinimiseTheMainWindow) {
    stopDemos();
    window->captionButtonClicked(CaptionButton::Maximize, QPoint());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->isMaximized(); }, 3000));
    window->captionButtonClicked(CaptionButton::Restore, QPoint());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isMaximized(); }, 3000));
    window->captionButtonClicked(CaptionButton::Minimize, QPoint());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->isMinimized(); }, 3000));
    window->showNormal();
}

// What the screen shows: the view's own frame, and the callouts and buttons standing over it
// (they are windows of their own above the view's window).
TEST_F(WindowTest, ControlsStandOverThePresentedView) {
    stopDemos();
    window->FormPaint();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !state->painting; }, 5000));
    QTest::qWait(100); // let the window system show the last frame and the controls
    const QImage screen = window->screen()->grabWindow(0).toImage();
    auto at = [&](QWidget* widget, QPoint local) {
        return screen.pixelColor(widget->mapToGlobal(local));
    };
    auto* scale = window->callout("Label2");
    EXPECT_EQ(at(scale, QPoint(180, 2)), QColor(204, 0, 0)) << "active callout panel";
    EXPECT_EQ(at(window->callout("Label1"), QPoint(180, 2)), QColor(255, 0, 0));
    auto* zoomIn = window->imageButton("ZoomIn_Image");
    const QImage picture = zoomIn->pixmap().toImage();
    EXPECT_EQ(at(zoomIn, QPoint(23, 2)), picture.pixelColor(23, 2)) << "button picture";
    const QPoint free = window->view()->mapToGlobal(QPoint(window->view()->width() / 2, 4));
    EXPECT_EQ(screen.pixelColor(free), QColor(164, 190, 255)) << "the view's clear colour";
}

TEST_F(WindowTest, RunningDemosPresentNoMoreFramesThanTheDisplayRefreshes) {
    int frames = 0;
    QObject::connect(window->view(), &GLView::frameSwapped, [&] { ++frames; });
    QTest::qWait(1000);
    const double refresh = window->screen()->refreshRate();
    const double limit = (refresh >= 1 && refresh <= 1000 ? refresh : 60) + 2;
    EXPECT_GT(frames, 0);
    EXPECT_LE(frames, limit) << "at " << refresh << " Hz";
}
