// The main window with real Qt events and Mesa rendering under Xvfb.
#include "Baseline.h"
#include "WindowFixture.h"

#include "app/CalloutLabel.h"
#include "app/FpsWindow.h"
#include "app/ImageButton.h"

#include <QElapsedTimer>
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
    holdStartScene(200);
    paintStill();
    const QImage image = frame();
    EXPECT_TRUE(matchesBaseline(image, "start-frame"));
    const QColor corner = image.pixelColor(image.width() / 2, 2);
    EXPECT_NEAR(corner.red(), 164, 1);
    EXPECT_NEAR(corner.green(), 190, 1);
    EXPECT_NEAR(corner.blue(), 255, 1);
}

TEST_F(WindowTest, PaintLoopRunsWhileADemoRunsAndStopsAfterwards) {
    const float before = state->cameraRotY;
    EXPECT_TRUE(QTest::qWaitFor([&] { return state->cameraRotY != before; }, 5000))
        << "the swing demo advances with every frame";
    EXPECT_TRUE(window->core().painting());
    stopDemos();
    EXPECT_FALSE(window->core().painting());
    const int presented = framesPresented;
    // Nothing to wait for: the test shows that no frame comes during a while.
    QTest::qWait(300);
    EXPECT_EQ(framesPresented, presented) << "no frames while nothing animates";
}

TEST_F(WindowTest, RedrawRequestDuringTheLoopOnlyChangesState) {
    ASSERT_TRUE(window->core().painting());
    state->zoom = 100;
    window->FormPaint(); // returns at once; the running loop shows the change
    EXPECT_TRUE(window->core().painting());
    EXPECT_TRUE(waitForFrames(2)) << "the loop goes on";
    EXPECT_FLOAT_EQ(state->zoom, 100);
}

TEST_F(WindowTest, MinimisedWindowDoesNotFail) {
    window->showMinimized();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->view()->isExposed(); }, timeoutMs))
        << "a minimised window leaves the screen";
    window->resize(800, 0);
    window->showNormal();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_TRUE(waitForFrames(2)) << "the demos go on once the window is back";
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
    auto* button = window->imageButton("ZoomIn_Image");
    const int before = button->y();
    window->resize(700, 500);
    // The row moves when the view's resize has come back from the window system.
    EXPECT_TRUE(QTest::qWaitFor([&] { return button->y() != before; }, timeoutMs));
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
        paintStill();
        // As the screen shows it: the view composed with the widgets over it.
        const QImage picture = settledScreen(window->winId());
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
    paintStill();
    const QImage screen = settledScreen();
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
    const int presented = framesPresented;
    // A rate: the frames over the time that really went by, which a busy machine makes longer
    // than the second waited for.
    QElapsedTimer clock;
    clock.start();
    QTest::qWait(1000);
    const int frames = framesPresented - presented;
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    const double refresh = window->screen()->refreshRate();
    const double limit = (refresh >= 1 && refresh <= 1000 ? refresh : 60) * seconds + 2;
    EXPECT_GT(frames, 0);
    EXPECT_LE(frames, limit) << "at " << refresh << " Hz";
}
