// The main window among the desktop's windows: the wheel over every part of it, full screen
// without the bars, the frame-rate window it owns, Qt's own texts in German, a second launch that
// brings it to the front, and a view whose GL context cannot be made.
#include "WindowFixture.h"

#include "app/CalloutLabel.h"
#include "app/FpsWindow.h"
#include "app/ImageButton.h"
#include "app/QtTranslations.h"
#include "app/SingleInstance.h"
#include "app/StandaloneView.h"
#include "app/frame/StartScene.h"

#include <QDialogButtonBox>
#include <QProcess>
#include <QPushButton>
#include <QToolBar>

#include <cstdio>
#include <unistd.h>

namespace {
void wheelOver(QWidget* widget, int delta) {
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

// What the code under test writes to stderr while it runs.
template <typename Run> std::string standardErrorOf(Run run) {
    std::fflush(stderr);
    const int saved = dup(2);
    std::FILE* capture = std::tmpfile();
    dup2(fileno(capture), 2);
    run();
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    std::string text(4096, '\0');
    std::rewind(capture);
    text.resize(std::fread(text.data(), 1, text.size(), capture));
    std::fclose(capture);
    return text;
}
} // namespace

TEST_F(WindowTest, TheWheelZoomsOverTheControlsTheBarsAndTheStripAlike) {
    stopDemos();
    window->Image1DblClick();
    QWidget* targets[] = {window->callout("Label2"), window->callout("Label6"),
                          window->imageButton("ZoomIn_Image"), window->menuToolbar(),
                          window->stepToolbar()};
    for (QWidget* target : targets) {
        const float before = state->zoom;
        wheelOver(target, 120);
        EXPECT_EQ(state->zoom, before + 6) << target->metaObject()->className();
    }
    const float before = state->zoom;
    sendWheel(window->view(), -120, QPointF(2, 300)); // the strip at the view's left edge
    EXPECT_EQ(state->zoom, before - 6);
}

TEST_F(WindowTest, FullScreenIsTheViewAloneAndTheBarsComeBackAfterwards) {
    stopDemos();
    window->Image1DblClick();
    ASSERT_TRUE(window->menuToolbar()->isVisible());
    window->menuItem("FullScreen1")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isFullScreen(); }, timeoutMs));
    EXPECT_FALSE(window->menuToolbar()->isVisible());
    EXPECT_FALSE(window->stepToolbar()->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->view()->size() == window->size(); }, 5000));
    window->Image1DblClick(); // stays the view alone
    EXPECT_FALSE(window->menuToolbar()->isVisible());
    window->setFullScreen(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->isFullScreen(); }, timeoutMs));
    EXPECT_TRUE(window->menuToolbar()->isVisible());
    EXPECT_TRUE(window->stepToolbar()->isVisible());
}

TEST_F(WindowTest, FullScreenWithoutBarsLeavesWithoutBars) {
    stopDemos();
    window->setFullScreen(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isFullScreen(); }, timeoutMs));
    window->setFullScreen(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->isFullScreen(); }, timeoutMs));
    EXPECT_FALSE(window->menuToolbar()->isVisible());
}

TEST_F(WindowTest, TheFrameRateWindowBelongsToTheMainWindowAndOneTimerWritesIt) {
    Tfps_Form1* fps = window->frameRateWindow();
    EXPECT_EQ(fps->parentWidget(), window.get());
    EXPECT_TRUE(fps->isWindow());
    // Within one tick both texts are written, and the count starts again.
    fps->Label1->clear();
    state->cameraPanX = 12.5f;
    EXPECT_TRUE(QTest::qWaitFor([&] { return !fps->Label1->text().isEmpty(); }, 3000));
    EXPECT_EQ(fps->viewLines()[3], "X:  12.50000");
    EXPECT_LT(window->core().takeFrameCount(), 70);

    QPointer<Tfps_Form1> owned = fps;
    window.reset();
    EXPECT_TRUE(owned.isNull()) << "freed with the main window";
}

TEST(QtTexts, QtsOwnButtonsFollowTheInterfaceLanguage) {
    const auto cancelText = [] {
        QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
        return box.button(QDialogButtonBox::Cancel)->text();
    };
    ASSERT_TRUE(ApplyQtTranslations("d"));
    EXPECT_EQ(cancelText(), "Abbrechen");
    ASSERT_TRUE(ApplyQtTranslations("gb"));
    EXPECT_EQ(cancelText(), "Cancel");
}

// A second copy of the real program, started while this process holds the lock as a running copy
// would, asks it to come to the front and ends with exit code 1.
TEST_F(WindowTest, ASecondLaunchBringsTheRunningWindowToTheFront) {
    stopDemos();
    QTemporaryDir runtimeDir;
    const QByteArray previous = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toUtf8());
    const std::string name = "niveau";
    ASSERT_TRUE(AcquireSingleInstance(name));
    ShowRequests requests(name);
    qputenv("XDG_RUNTIME_DIR", previous);
    ASSERT_TRUE(requests.listening());
    QObject::connect(&requests, &ShowRequests::showRequested, window.get(),
                     &TfrmCube::bringToFront);

    window->showMinimized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isMinimized(); }, timeoutMs));
    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtimeDir.path());
    second.setProcessEnvironment(env);
    second.start(NIVEAU_EXECUTABLE, {});
    EXPECT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 10000));
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_EQ(second.readAllStandardError(), "");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isMinimized(); }, timeoutMs));
}

// A window that is no GL surface stands in for a context that the system refuses to make current.
TEST(ViewContext, AContextThatCannotBeMadeCurrentIsSaidOnceAndNothingIsDrawn) {
    SceneState state;
    InitialiseSceneState(state);
    BuildStartScene(state);
    StandaloneView standalone(state);
    GLView& view = standalone.view();
    view.setSurfaceType(QSurface::RasterSurface);
    QImage picture;
    const std::string said = standardErrorOf([&] {
        view.resize(160, 120);
        view.show();
        QTest::qWait(200);
        standalone.core().FormPaint();
        picture = view.renderPicture(QSize(64, 48));
        QTest::qWait(200);
    });
    EXPECT_TRUE(picture.isNull());
    // Said once, however often the view tried (Qt may add lines of its own).
    const std::string line = "niveau: the OpenGL context cannot be made current";
    EXPECT_NE(said.find(line), std::string::npos) << said;
    EXPECT_EQ(said.find(line), said.rfind(line)) << said;
    state.levelDemoRunning = state.swingDemoRunning = false;
}
