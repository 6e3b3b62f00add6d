#include "app/GLView.h"

#include "app/frame/Demo.h"
#include "app/frame/FrameRender.h"
#include "app/frame/PaintLoop.h"
#include "overlay/FontForm.h"

#include <QMouseEvent>
#include <QWheelEvent>

#include <GL/gl.h>

GLView::GLView(SceneState& state, QWidget* parent) : QOpenGLWidget(parent), state(state) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void GLView::FormPaint() {
    if (!BeginPaintLoop(state)) return;
    passScheduled = true;
    update();
}

void GLView::initializeGL() {
    glEnable(GL_DEPTH_TEST);
    // The font holder comes last and builds its display lists in this context.
    CreateFontForm();
}

// One pass of the paint loop: demo step, frame, and the next pass while a demo runs. Events
// that arrive between passes run in Qt's event loop before the next pass, as they would between
// frames of a loop that pumps messages. Paints Qt asks for on its own (expose, grab) only render.
void GLView::paintGL() {
    const bool pass = passScheduled;
    passScheduled = false;
    if (pass) DemoStep(state);
    const qreal ratio = devicePixelRatioF();
    RenderScene(state, int(width() * ratio), int(height() * ratio));
    if (pass && ContinuePaintLoop(state)) {
        passScheduled = true;
        update();
    }
}

void GLView::resizeGL(int w, int h) {
    if (onResized) onResized(w, h);
}

void GLView::mousePressEvent(QMouseEvent* event) {
    if (onMousePress) onMousePress(event);
}

void GLView::mouseMoveEvent(QMouseEvent* event) {
    if (onMouseMove) onMouseMove(event);
}

void GLView::wheelEvent(QWheelEvent* event) {
    if (onWheel) onWheel(event);
    event->ignore();
}
