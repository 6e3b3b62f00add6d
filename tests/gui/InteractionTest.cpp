// Camera, menus, callouts and image buttons with real Qt events on the main window.
#include "WindowFixture.h"

#include "app/CalloutLabel.h"
#include "app/ImageButton.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QToolBar>

#include <GL/gl.h>

TEST_F(WindowTest, WheelZoomsBySixPerNotchWithinItsLimits) {
    sendWheel(window->view(), 19);
    EXPECT_FLOAT_EQ(state->zoom, 35);
    sendWheel(window->view(), 120);
    EXPECT_FLOAT_EQ(state->zoom, 41);
    state->zoom = 5;
    sendWheel(window->view(), -120);
    EXPECT_FLOAT_EQ(state->zoom, 2);
}

TEST_F(WindowTest, HeldZoomButtonZoomsUntilReleasedAndStopsAtTheLimit) {
    stopDemos();
    auto* zoomIn = window->imageButton("ZoomIn_Image");
    // Counted after the window's own handler, so each count is one zoom step taken.
    int ticks = 0;
    QObject::connect(window->zoomInTimer(), &QTimer::timeout, [&] { ++ticks; });
    auto holdFor = [&](int steps) {
        const int target = ticks + steps;
        QTest::mousePress(zoomIn, Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= target; }, timeoutMs));
        QTest::mouseRelease(zoomIn, Qt::LeftButton);
    };
    holdFor(3);
    EXPECT_GT(state->zoom, 35);
    EXPECT_FALSE(window->zoomInTimer()->isActive()) << "releasing stops the steps";
    const float released = state->zoom;
    QCoreApplication::processEvents(); // a step still on its way would arrive here
    EXPECT_FLOAT_EQ(state->zoom, released);

    state->zoom = 999;
    holdFor(3);
    EXPECT_FLOAT_EQ(state->zoom, 1000);
}

TEST_F(WindowTest, StepToolbarWrapsRotationsAndLimitsPans) {
    window->Image1DblClick();
    auto* toolbar = window->stepToolbar();
    auto press = [&](const char* name) {
        toolbar->findChild<QAction*>(QString("TBItem") + name)->trigger();
    };
    state->cameraRotX = 175;
    press("A+");
    EXPECT_FLOAT_EQ(state->cameraRotX, -180);
    state->cameraPanX = 990;
    press("X+");
    EXPECT_FLOAT_EQ(state->cameraPanX, 1000);
    state->zoom = 1000;
    press("Z+");
    EXPECT_FLOAT_EQ(state->zoom, 1000);
}

TEST_F(WindowTest, LeftDragPansAlsoWhileTheLevelDemoRuns) {
    ASSERT_TRUE(state->levelDemoRunning);
    QTest::mousePress(window->view(), Qt::LeftButton, {}, QPoint(300, 300));
    sendMove(window->view(), QPoint(340, 280), Qt::LeftButton);
    EXPECT_FLOAT_EQ(state->cameraPanX, 40);
    EXPECT_FLOAT_EQ(state->cameraPanY, 50);
    QTest::mouseRelease(window->view(), Qt::LeftButton, {}, QPoint(340, 280));
}

TEST_F(WindowTest, OptionsGestureFiresOnlyAtTheTopRightPixel) {
    const int right = window->view()->width() - 1;
    EXPECT_EQ(optionsGestures({QPoint(right - 1, 0), QPoint(right, 1)}), 0);
    EXPECT_EQ(optionsGestures({QPoint(right, 0)}), 1);
}

TEST_F(WindowTest, PointerSetsTheLevelOnlyWhenTheLevelDemoIsStopped) {
    window->Start_Stop_Image_UpDownClick();
    ASSERT_FALSE(state->levelDemoRunning);
    const int h = window->view()->height();
    sendMove(window->view(), QPoint(99, h / 2), Qt::NoButton);
    const float before = state->level;
    sendMove(window->view(), QPoint(99, 10), Qt::NoButton);
    EXPECT_FLOAT_EQ(state->level, before);
    sendMove(window->view(), QPoint(100, 0), Qt::NoButton);
    EXPECT_FLOAT_EQ(state->level, 390 + 7);
    sendMove(window->view(), QPoint(500, h), Qt::NoButton);
    EXPECT_FLOAT_EQ(state->level, -7);
}

TEST_F(WindowTest, MenuBarAndToolbarAppearOnlyAfterTheStripIsDoubleClicked) {
    EXPECT_FALSE(window->menuToolbar()->isVisible());
    EXPECT_FALSE(window->stepToolbar()->isVisible());
    QTest::mouseDClick(window->view(), Qt::LeftButton, {}, QPoint(4, 100));
    EXPECT_FALSE(window->menuToolbar()->isVisible()) << "the strip is four pixels wide";
    QTest::mouseDClick(window->view(), Qt::LeftButton, {}, QPoint(3, 100));
    EXPECT_TRUE(window->menuToolbar()->isVisible());
    EXPECT_TRUE(window->stepToolbar()->isVisible());
}

TEST_F(WindowTest, AllCutAndNothingCutSetModesAndChecksButLeaveTheTank) {
    state->tankMode = DisplayMode::Off;
    window->menuItem("ganz1")->trigger();
    EXPECT_EQ(state->pipeMode, DisplayMode::Whole);
    EXPECT_TRUE(window->menuItem("ganz1")->isChecked());
    EXPECT_FALSE(window->menuItem("Schnitt1")->isChecked());

    window->menuItem("N5")->trigger();
    EXPECT_EQ(state->pipeMode, DisplayMode::Cut);
    EXPECT_EQ(state->floatMode, DisplayMode::Cut);
    EXPECT_EQ(state->railMode, DisplayMode::Cut);
    EXPECT_EQ(state->flapMode, DisplayMode::Whole);
    EXPECT_TRUE(window->menuItem("Schnitt1")->isChecked());
    EXPECT_FALSE(window->menuItem("ganz1")->isChecked());
    EXPECT_TRUE(window->menuItem("ganz4")->isChecked());
    EXPECT_EQ(state->tankMode, DisplayMode::Off);

    window->menuItem("nichtsgeschnitten1")->trigger();
    for (auto mode : {state->pipeMode, state->floatMode, state->railMode, state->flapMode})
        EXPECT_EQ(mode, DisplayMode::Whole);
    for (const char* item : {"ganz1", "ganz2", "ganz3", "ganz4"})
        EXPECT_TRUE(window->menuItem(item)->isChecked()) << item;
    EXPECT_FALSE(window->menuItem("Schnitt3")->isChecked());
    EXPECT_EQ(state->tankMode, DisplayMode::Off);
    EXPECT_FALSE(window->menuItem("Schnitt4")->isEnabled());
}

TEST_F(WindowTest, TankEntriesAndTheSideConnectionViewHideOrShowTheTank) {
    window->menuItem("aus5")->trigger();
    EXPECT_EQ(state->tankMode, DisplayMode::Off);
    window->menuItem("ein1")->trigger();
    EXPECT_EQ(state->tankMode, DisplayMode::Whole);
    window->menuItem("Seitenanschluss1")->trigger();
    EXPECT_EQ(state->tankMode, DisplayMode::Off);
    EXPECT_TRUE(window->menuItem("aus5")->isChecked());
    EXPECT_FLOAT_EQ(state->cameraRotY, 125);
}

TEST_F(WindowTest, CalloutClicksToggleFlagsAndPanelColours) {
    auto* switches = window->callout("Label4");
    EXPECT_EQ(switches->panelColour(), QColor(204, 0, 0));
    QTest::mouseClick(switches, Qt::LeftButton);
    EXPECT_FALSE(state->switch1Visible);
    EXPECT_FALSE(state->switch2Visible);
    EXPECT_EQ(switches->panelColour(), QColor(255, 0, 0));

    auto* insulation = window->callout("Label1");
    QTest::mouseClick(insulation, Qt::LeftButton);
    EXPECT_TRUE(state->insulationVisible);
    EXPECT_EQ(insulation->panelColour(), QColor(204, 0, 0));

    auto* springs = window->callout("Label3");
    QTest::mouseClick(springs, Qt::LeftButton);
    EXPECT_TRUE(state->springTopVisible && state->springBottomVisible);

    QTest::mouseClick(window->callout("Label6"), Qt::LeftButton);
    EXPECT_NEAR(state->animationSpeed, 0.3f, 1e-6);
    QTest::mouseClick(window->callout("Label7"), Qt::LeftButton);
    EXPECT_NEAR(state->animationSpeed, 0.2f, 1e-6);
    EXPECT_EQ(window->callout("Label6")->panelColour(), QColor(255, 0, 0));
}

TEST_F(WindowTest, HoverColoursTheCalloutBlueUntilThePointerMovesOverTheWindow) {
    auto* scale = window->callout("Label2");
    // The callouts are windows of their own over the view: the pointer reaches them through the
    // window system, so the colour follows once its events have arrived.
    QTest::mouseMove(scale, QPoint(20, 10));
    EXPECT_TRUE(QTest::qWaitFor([&] { return scale->textColour() == QColor(0, 0, 255); }, 3000));
    QTest::mouseMove(window->view(), QPoint(400, 400));
    EXPECT_TRUE(QTest::qWaitFor([&] { return scale->textColour() == QColor(Qt::white); }, 3000));
}

TEST_F(WindowTest, StartStopButtonsToggleOnlyTheirOwnDemo) {
    QTest::mouseClick(window->imageButton("Start_Stop_Image"), Qt::LeftButton);
    EXPECT_FALSE(state->swingDemoRunning);
    EXPECT_TRUE(state->levelDemoRunning);
    EXPECT_TRUE(waitForFrames(2));
    EXPECT_TRUE(window->core().painting()) << "the level demo keeps the loop running";
    QTest::mouseClick(window->imageButton("Start_Stop_Image_UpDown"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->core().painting(); }, 5000));
    QTest::mouseClick(window->imageButton("Start_Stop_Image"), Qt::LeftButton);
    EXPECT_TRUE(window->core().painting()) << "starting a demo restarts the loop";
}

TEST_F(WindowTest, PolygonModeChangesAtTheNextFrameAndDefaultRestoresFill) {
    window->menuItem("GLLINE1")->trigger();
    EXPECT_EQ(state->polygonMode, GL_LINE);
    EXPECT_TRUE(window->menuItem("GLLINE1")->isChecked());
    EXPECT_FALSE(window->menuItem("GLFILL1")->isChecked());
    window->menuItem("Defaul1")->trigger();
    EXPECT_EQ(state->polygonMode, GL_FILL);
    EXPECT_TRUE(window->menuItem("GLFILL1")->isChecked());
}

TEST_F(WindowTest, MissingHelpFileIsReportedInAMessage) {
    QString shownText;
    QTimer::singleShot(200, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shownText = box->text();
            box->accept();
        }
    });
    window->Hilfe2Click();
    EXPECT_TRUE(shownText.contains("MONTAGE.HLP")) << shownText.toStdString();
}

TEST_F(WindowTest, OnlyALeftClickTogglesADemoButton) {
    QTest::mouseClick(window->imageButton("Start_Stop_Image"), Qt::RightButton);
    EXPECT_TRUE(state->swingDemoRunning);
    QTest::mouseClick(window->imageButton("Start_Stop_Image"), Qt::LeftButton);
    EXPECT_FALSE(state->swingDemoRunning);
}
