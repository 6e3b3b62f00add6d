// A main window on its own scene state, shown and exposed, for tests with real events and real
// rendering. The waits it offers end on a condition (a frame presented, the paint loop ended,
// the screen settled) or fail after a generous timeout, so a loaded machine only makes them
// slower.
#pragma once

#include "app/GLView.h"
#include "app/MainWindow.h"

#include "ViewEvents.h"

#include <QDir>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

class WindowTest : public testing::Test {
  protected:
    static constexpr int timeoutMs = 5000;

    void SetUp() override {
        state = std::make_unique<SceneState>();
        InitialiseSceneState(*state);
        window = std::make_unique<TfrmCube>(*state, programFolder.path().toStdString() + "/");
        QObject::connect(window->view(), &GLView::frameSwapped, [this] { ++framesPresented; });
        window->resize(800, 600);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        // The first redraw request, made once the window is shown, starts the demos' loop.
        ASSERT_TRUE(QTest::qWaitFor([this] { return window->core().painting(); }, timeoutMs));
        ASSERT_TRUE(waitForFrames(1)) << "the paint loop presents its first frame";
    }
    void TearDown() override {
        state->levelDemoRunning = state->swingDemoRunning = false;
        window.reset();
    }
    // Stops both demos and waits until the paint loop has ended; its last frame was presented
    // before the loop ended.
    void stopDemos() {
        state->levelDemoRunning = state->swingDemoRunning = false;
        if (!QTest::qWaitFor([this] { return !window->core().painting(); }, timeoutMs))
            ADD_FAILURE() << "the paint loop did not end";
    }
    // The start scene held still: demos stopped, the level and the camera set to what the demos
    // would otherwise keep changing, so that a frame looks the same in every run.
    void holdStartScene(float level) {
        stopDemos();
        state->level = level;
        state->cameraRotY = 60;
    }
    // Waits until the view has presented `count` more frames.
    [[nodiscard]] bool waitForFrames(int count) {
        const int target = framesPresented + count;
        return QTest::qWaitFor([&] { return framesPresented >= target; }, timeoutMs);
    }
    // With the demos stopped: one redraw request, and waits until its frame is presented and the
    // loop has ended again.
    void paintStill() {
        if (state->levelDemoRunning || state->swingDemoRunning) {
            ADD_FAILURE() << "a running demo never lets the loop end";
            return;
        }
        const int target = framesPresented + 1;
        window->FormPaint();
        if (!QTest::qWaitFor(
                [&] { return framesPresented >= target && !window->core().painting(); }, timeoutMs))
            ADD_FAILURE() << "the redraw presented no frame";
    }
    // The screen grabbed once nothing changes on it any more between two rounds of events:
    // widgets have painted and the window system shows them. Only with the demos stopped.
    QImage settledScreen(WId id = 0) {
        QImage previous, current;
        const bool settled = QTest::qWaitFor(
            [&] {
                previous = current;
                current = window->screen()->grabWindow(id).toImage();
                return current == previous;
            },
            timeoutMs);
        if (!settled) ADD_FAILURE() << "the screen kept changing";
        return current;
    }
    // The view's frame as the frame code draws it, without smoothing its edges, as the stored
    // baselines are.
    QImage frame() { return window->view()->renderPicture(window->view()->devicePixels(), false); }
    // How often the options gesture fires while the pointer, the right button held, moves to
    // each of the points of the view in turn.
    int optionsGestures(std::initializer_list<QPoint> points) {
        int shown = 0;
        SecondaryWindows windows;
        windows.showOptions = [&] { ++shown; };
        window->setSecondaryWindows(windows);
        for (const QPoint at : points) sendMove(window->view(), at, Qt::RightButton);
        window->setSecondaryWindows({});
        return shown;
    }
    static void savePicture(const QImage& image, const QString& name) {
        QDir().mkpath(PICTURE_DIR);
        image.save(QString(PICTURE_DIR) + "/" + name + ".png");
    }

    QTemporaryDir programFolder; // no settings file unless a test writes one
    std::unique_ptr<SceneState> state;
    std::unique_ptr<TfrmCube> window;
    int framesPresented = 0; // every frame the view presented since SetUp
};
