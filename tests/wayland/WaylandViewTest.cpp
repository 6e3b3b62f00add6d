// The main window under Qt's Wayland platform: the view presents frames, the screen shows the
// model over the background colour with its red section faces and the controls over the view,
// and the level follows the pointer.
#include "app/CalloutLabel.h"
#include "app/GLView.h"
#include "app/MainWindow.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {
constexpr int timeoutMs = 10000;

// The whole screen as the compositor shows it, through Weston's screenshot interface.
QImage screenshot() {
    QTemporaryDir folder;
    QProcess shooter;
    shooter.setWorkingDirectory(folder.path());
    shooter.start("weston-screenshooter", {});
    if (!shooter.waitForFinished(timeoutMs) || shooter.exitCode() != 0) return {};
    const QStringList taken = QDir(folder.path()).entryList({"*.png"});
    return taken.isEmpty() ? QImage() : QImage(folder.filePath(taken.front()));
}

int countPixels(const QImage& image, bool (*matches)(QColor)) {
    int count = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) count += matches(image.pixelColor(x, y));
    return count;
}

bool isBackground(QColor c) {
    return c == QColor(164, 190, 255);
}
bool isSectionRed(QColor c) {
    return c.red() > 200 && c.green() < 60 && c.blue() < 60;
}
bool isActiveCallout(QColor c) {
    return c == QColor(204, 0, 0);
}

class WaylandTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), "wayland");
        InitialiseSceneState(state);
        window = std::make_unique<TfrmCube>(state, programFolder.path().toStdString() + "/");
        QObject::connect(window->view(), &GLView::frameSwapped, [this] { ++framesPresented; });
        window->showMaximized();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get(), timeoutMs));
    }
    void TearDown() override {
        state.levelDemoRunning = state.swingDemoRunning = false;
        window.reset();
    }
    [[nodiscard]] bool waitForFrames(int count) {
        const int target = framesPresented + count;
        return QTest::qWaitFor([&] { return framesPresented >= target; }, timeoutMs);
    }

    QTemporaryDir programFolder;
    SceneState state;
    std::unique_ptr<TfrmCube> window;
    int framesPresented = 0;
};
} // namespace

TEST_F(WaylandTest, TheViewPresentsFramesWhileTheDemosRun) {
    EXPECT_TRUE(waitForFrames(30)) << framesPresented << " frames";
    EXPECT_TRUE(window->view()->isExposed());
}

TEST_F(WaylandTest, TheScreenShowsTheModelOverTheBackgroundAndTheControlsOverIt) {
    ASSERT_TRUE(waitForFrames(5));
    state.levelDemoRunning = state.swingDemoRunning = false;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->core().painting(); }, timeoutMs));
    // The controls show once their windows have painted.
    QImage screen;
    static_cast<void>(QTest::qWaitFor(
        [&] {
            screen = screenshot();
            return countPixels(screen, isActiveCallout) > 500;
        },
        timeoutMs));
    ASSERT_FALSE(screen.isNull()) << "no picture from weston-screenshooter";
    const int sampled = (screen.width() / 2) * (screen.height() / 2);
    EXPECT_GT(countPixels(screen, isBackground), sampled / 2) << "the background colour";
    EXPECT_GT(countPixels(screen, isSectionRed), 500) << "the red section faces";
    EXPECT_GT(countPixels(screen, isActiveCallout), 500) << "the active callouts";
    screen.save(QString(PICTURE_DIR) + "/wayland-screen.png");
}

TEST_F(WaylandTest, TheLevelFollowsThePointer) {
    ASSERT_TRUE(waitForFrames(2));
    window->Start_Stop_Image_UpDownClick(); // the level demo stops
    ASSERT_FALSE(state.levelDemoRunning);
    GLView* view = window->view();
    const float d = state.connection.innerDiameter;
    const int y = view->height() / 4;
    QTest::mouseMove(view, QPoint(400, y));
    const float expected =
        (state.displayHeight + d) / float(view->height()) * float(view->height() - y) - d / 2;
    EXPECT_TRUE(QTest::qWaitFor([&] { return state.level == expected; }, timeoutMs))
        << state.level << " instead of " << expected;
    const int presented = framesPresented;
    EXPECT_TRUE(QTest::qWaitFor([&] { return framesPresented > presented; }, timeoutMs))
        << "the new level is drawn";
}
