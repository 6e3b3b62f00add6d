// A main window on its own scene state, shown and exposed, for tests with real events and real
// rendering.
#pragma once

#include "app/GLView.h"
#include "app/MainWindow.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

class WindowTest : public testing::Test {
  protected:
    void SetUp() override {
        state = std::make_unique<SceneState>();
        InitialiseSceneState(*state);
        window = std::make_unique<TfrmCube>(*state, programFolder.path().toStdString() + "/");
        window->resize(800, 600);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QTest::qWait(50);
    }
    void TearDown() override {
        state->levelDemoRunning = state->swingDemoRunning = false;
        window.reset();
    }
    // Stops both demos and waits until the paint loop has ended.
    void stopDemos() {
        state->levelDemoRunning = state->swingDemoRunning = false;
        if (!QTest::qWaitFor([this] { return !state->painting; }, 5000))
            ADD_FAILURE() << "the paint loop did not end";
    }
    QImage frame() { return window->view()->grabFramebuffer(); }
    static void savePicture(const QImage& image, const QString& name) {
        QDir().mkpath(PICTURE_DIR);
        image.save(QString(PICTURE_DIR) + "/" + name + ".png");
    }

    QTemporaryDir programFolder; // no settings file unless a test writes one
    std::unique_ptr<SceneState> state;
    std::unique_ptr<TfrmCube> window;
};
