// The presenter's keys on the main window: the stage shows the model alone and Esc gives the
// window back as it was, the black screen ends at any key, the pointer hides on the stage, the
// level keys and the fitted camera.
#include "WindowFixture.h"

#include "app/CalloutLabel.h"
#include "app/ImageButton.h"
#include "dialogs/CaptionBar.h"

#include <QAction>
#include <QToolBar>

namespace {
// The smallest rectangle around every pixel that is not the top-left corner's colour.
QRect drawnArea(const QImage& image) {
    const QRgb background = image.pixel(0, 0);
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background) area |= QRect(x, y, 1, 1);
    return area;
}
} // namespace

class StageTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        stopDemos();
        window->activateWindow(); // keys reach the window that has the focus
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window.get(), Qt::Key(key), modifiers);
    }
};

TEST_F(StageTest, F5ShowsTheModelAloneAndEscBringsBackTheWindowAsItWas) {
    window->Image1DblClick(); // the bars shown, as a presenter preparing the model has them
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->menuToolbar()->isVisible(); }, timeoutMs));
    const QRect before = window->geometry();

    key(Qt::Key_F5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isFullScreen(); }, timeoutMs));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return window->view()->size() == window->size(); }, timeoutMs));
    EXPECT_FALSE(window->menuToolbar()->isVisible());
    EXPECT_FALSE(window->stepToolbar()->isVisible());
    EXPECT_FALSE(window->captionBar()->isVisible());
    EXPECT_FALSE(window->callout("Label2")->isVisible());
    // Where the callouts, the buttons, the bars and the caption bar were, the window shows the
    // background; the read-outs stand at the top right, the model in the middle. (Without a
    // window manager, as in the suite's display, full screen keeps the window's size.)
    paintStill();
    const QImage screen = settledScreen(window->winId());
    savePicture(screen, "stage");
    const auto inWindow = [&](const QWidget* widget) {
        return QRect(widget->mapTo(window.get(), QPoint(0, 0)), widget->size());
    };
    std::vector<QRect> controls{QRect(0, 0, screen.width() / 3, 60)};
    for (const char* name : {"Label2", "Label3", "Label4", "Label5", "Label6", "Label7"})
        controls.push_back(inWindow(window->callout(name)));
    for (const char* name :
         {"Start_Stop_Image", "Start_Stop_Image_UpDown", "ZoomIn_Image", "ZoomOut_Image"})
        controls.push_back(inWindow(window->imageButton(name)));
    const QColor background = screen.pixelColor(2, 2);
    EXPECT_EQ(background, QColor(164, 190, 255));
    for (const QRect& control : controls)
        for (int y = control.top(); y <= control.bottom(); ++y)
            for (int x = control.left(); x <= control.right(); ++x)
                ASSERT_EQ(screen.pixelColor(x, y), background) << x << "," << y;

    key(Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->isFullScreen(); }, timeoutMs));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->geometry() == before; }, timeoutMs))
        << "the window's place and size come back";
    EXPECT_TRUE(window->menuToolbar()->isVisible());
    EXPECT_TRUE(window->stepToolbar()->isVisible());
    EXPECT_TRUE(window->captionBar()->isVisible());
    EXPECT_TRUE(window->callout("Label2")->isVisible());

    // Shift+F5 starts it as well; full screen chosen before stays after the stage.
    key(Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isFullScreen(); }, timeoutMs));
    key(Qt::Key_F5, Qt::ShiftModifier);
    EXPECT_TRUE(window->core().stage());
    key(Qt::Key_Escape);
    EXPECT_FALSE(window->core().stage());
    EXPECT_TRUE(window->isFullScreen());
    EXPECT_TRUE(window->callout("Label2")->isVisible());
}

TEST_F(StageTest, TheBlackScreenEndsAtAnyKeyAndNoShortcutFiresForIt) {
    key(Qt::Key_B);
    ASSERT_TRUE(window->core().blackScreen());
    paintStill();
    const QImage black = frame();
    EXPECT_EQ(drawnArea(black), QRect()) << "one colour";
    EXPECT_EQ(black.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_FALSE(window->callout("Label2")->isVisible());

    const float zoom = state->zoom;
    key(Qt::Key_F); // would fit the model
    EXPECT_FALSE(window->core().blackScreen());
    EXPECT_EQ(state->zoom, zoom);
    EXPECT_TRUE(window->callout("Label2")->isVisible());
    EXPECT_FALSE(window->isFullScreen());
}

TEST_F(StageTest, OnTheStageThePointerHidesOnceItRests) {
    key(Qt::Key_F5);
    EXPECT_NE(window->view()->cursor().shape(), Qt::BlankCursor);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->view()->cursor().shape() == Qt::BlankCursor; },
                                timeoutMs));
    sendMove(window->view(), QPoint(300, 200));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->view()->cursor().shape() != Qt::BlankCursor; },
                                timeoutMs));
    key(Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->view()->cursor().shape() != Qt::BlankCursor; },
                                timeoutMs));
}

TEST_F(StageTest, LevelKeysSetExactSharesOfTheDisplayHeight) {
    state->levelDemoRunning = true;
    key(Qt::Key_8);
    EXPECT_FALSE(state->levelDemoRunning) << "the keys take the level from the demo";
    EXPECT_FLOAT_EQ(state->level, 0.8f * state->displayHeight);
    key(Qt::Key_Up);
    EXPECT_FLOAT_EQ(state->level, 0.81f * state->displayHeight);
    key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_FLOAT_EQ(state->level, 0.71f * state->displayHeight);
    key(Qt::Key_1);
    EXPECT_FLOAT_EQ(state->level, state->displayHeight);
    key(Qt::Key_0);
    EXPECT_FLOAT_EQ(state->level, 0);

    // With the pointer no longer setting the level, a move over the view leaves it.
    window->menuItem("LevelFollowsPointer1")->trigger();
    EXPECT_FALSE(window->menuItem("LevelFollowsPointer1")->isChecked());
    sendMove(window->view(), QPoint(400, 100));
    EXPECT_FLOAT_EQ(state->level, 0);
    window->menuItem("LevelFollowsPointer1")->trigger();
    sendMove(window->view(), QPoint(400, 100));
    EXPECT_NE(state->level, 0);
}

// A display height of 1000 runs out of the start camera's picture; F frames it again. The
// read-outs at the view's edge are hidden, so that the drawn area is the model's.
TEST_F(StageTest, FitShowsTheWholeModelAtAboutEightyFivePerCent) {
    window->core().options().Edit6Change("1000");
    state->transmitterVisible = state->switch1Visible = state->switch2Visible = false;
    key(Qt::Key_F);
    paintStill();
    const QImage fitted = frame();
    savePicture(fitted, "fit-1000");
    const QRect area = drawnArea(fitted);
    const double share =
        std::max(double(area.height()) / fitted.height(), double(area.width()) / fitted.width());
    EXPECT_GT(share, 0.75) << area.width() << "x" << area.height();
    EXPECT_LT(share, 0.9) << area.width() << "x" << area.height();
    EXPECT_TRUE(QRect(QPoint(0, 0), fitted.size()).adjusted(1, 1, -1, -1).contains(area));
}
