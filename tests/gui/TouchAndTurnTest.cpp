// Input on laptops and touch screens: touchpad wheel runs, Shift-drag turning, touch drag,
// pinch and touchpad gestures on the view.
#include "WindowFixture.h"

#include "app/CalloutLabel.h"

#include <QNativeGestureEvent>
#include <QPointingDevice>

#include <cmath>

namespace {
QPointingDevice* touchScreen() {
    static QPointingDevice* device = QTest::createTouchDevice();
    return device;
}
} // namespace

TEST_F(WindowTest, ARunOfSmallWheelEventsZoomsAsOneOfTheirTotal) {
    stopDemos();
    for (int i = 0; i < 6; ++i) sendWheel(window->view(), 20);
    EXPECT_FLOAT_EQ(state->zoom, 35 + 6) << "six of 20 as one of 120";
    for (int i = 0; i < 24; ++i) sendWheel(window->view(), -5);
    EXPECT_FLOAT_EQ(state->zoom, 35) << "a touchpad's small steps add up";
    sendWheel(window->view(), 19);
    EXPECT_FLOAT_EQ(state->zoom, 35) << "a single event of 19 still changes nothing";
}

TEST_F(WindowTest, ShiftDragTurnsTheModelAndAPlainDragStillPans) {
    stopDemos();
    const float turned = state->cameraRotY; // where the swing demo left it
    QTest::mousePress(window->view(), Qt::LeftButton, Qt::ShiftModifier, QPoint(300, 300));
    sendMove(window->view(), QPoint(340, 280), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_FLOAT_EQ(state->cameraRotY, turned + 20);
    EXPECT_FLOAT_EQ(state->cameraRotX, -10);
    EXPECT_FLOAT_EQ(state->cameraPanX, 0) << "turning does not pan";
    sendMove(window->view(), QPoint(350, 280), Qt::LeftButton, Qt::NoModifier);
    EXPECT_FLOAT_EQ(state->cameraPanX, 10);
    EXPECT_FLOAT_EQ(state->cameraRotY, turned + 20);
    QTest::mouseRelease(window->view(), Qt::LeftButton, {}, QPoint(350, 280));
}

TEST_F(WindowTest, OneFingerPansTwoFingersPinchAndTurn) {
    stopDemos();
    QTest::touchEvent(window->view(), touchScreen()).press(0, QPoint(300, 300));
    QTest::touchEvent(window->view(), touchScreen()).move(0, QPoint(340, 280));
    QTest::touchEvent(window->view(), touchScreen()).release(0, QPoint(340, 280));
    EXPECT_FLOAT_EQ(state->cameraPanX, 40);
    EXPECT_FLOAT_EQ(state->cameraPanY, 30 + 20);

    const float turned = state->cameraRotY;
    QTest::touchEvent(window->view(), touchScreen()).press(0, QPoint(300, 300));
    QTest::touchEvent(window->view(), touchScreen())
        .move(0, QPoint(300, 300))
        .press(1, QPoint(400, 300));
    QTest::touchEvent(window->view(), touchScreen())
        .move(0, QPoint(300, 300))
        .move(1, QPoint(500, 300));
    EXPECT_FLOAT_EQ(state->zoom, 70) << "the fingers twice as far apart";
    EXPECT_FLOAT_EQ(state->cameraRotY, turned) << "no turn while the fingers keep their angle";
    QTest::touchEvent(window->view(), touchScreen())
        .move(0, QPoint(300, 300))
        .move(1, QPoint(400, 200));
    EXPECT_NEAR(state->zoom, 70 * std::sqrt(2.0f) / 2, 1e-3);
    EXPECT_NEAR(std::abs(state->cameraRotY - turned), 45, 1e-3) << "an eighth turn of the pair";
    QTest::touchEvent(window->view(), touchScreen())
        .release(0, QPoint(300, 300))
        .release(1, QPoint(400, 200));
    EXPECT_FLOAT_EQ(state->cameraPanX, 40) << "pinching does not pan";
}

TEST_F(WindowTest, TouchpadPinchZoomsAndItsRotationTurns) {
    stopDemos();
    const QPointF at(300, 300);
    const float turned = state->cameraRotY;
    QNativeGestureEvent pinch(Qt::ZoomNativeGesture, QPointingDevice::primaryPointingDevice(), 2,
                              at, at, window->view()->mapToGlobal(at), 0.5, QPointF());
    QCoreApplication::sendEvent(window->view(), &pinch);
    EXPECT_FLOAT_EQ(state->zoom, 35 * 1.5f);
    QNativeGestureEvent turn(Qt::RotateNativeGesture, QPointingDevice::primaryPointingDevice(), 2,
                             at, at, window->view()->mapToGlobal(at), 15, QPointF());
    QCoreApplication::sendEvent(window->view(), &turn);
    EXPECT_FLOAT_EQ(state->cameraRotY, turned + 15);
}

TEST_F(WindowTest, ATapOnACalloutSwitchesItsAccessory) {
    stopDemos();
    auto* scale = window->callout("Label2");
    QTest::touchEvent(scale, touchScreen()).press(0, QPoint(20, 10));
    QTest::touchEvent(scale, touchScreen()).release(0, QPoint(20, 10));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !state->scaleVisible; }, 5000));
}
