#include "app/GLView.h"

#include "app/frame/Demo.h"
#include "app/frame/FrameRender.h"
#include "app/frame/PaintLoop.h"
#include "overlay/FontForm.h"

#include <QExposeEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QScreen>
#include <QWheelEvent>

#include <GL/gl.h>

#include <chrono>

namespace {
std::int64_t steadyNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
} // namespace

GLView::GLView(SceneState& state, QWindow* parent) : QWindow(parent), state(state) {
    setSurfaceType(QWindow::OpenGLSurface);
    QSurfaceFormat format;
    format.setDepthBufferSize(24);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setSwapInterval(1); // where the swap waits for the refresh, it paces by itself
    setFormat(format);
    // Keyboard focus stays with the main window, whose shortcuts then always work.
    setFlag(Qt::WindowDoesNotAcceptFocus);
    passTimer.setSingleShot(true);
    passTimer.setTimerType(Qt::PreciseTimer);
    connect(&passTimer, &QTimer::timeout, this, &GLView::runPass);
}

GLView::~GLView() {
    if (context) {
        context->doneCurrent();
        delete context;
    }
}

bool GLView::makeCurrent() {
    if (!context) {
        create();
        context = new QOpenGLContext;
        context->setFormat(requestedFormat());
        if (!context->create() || !context->makeCurrent(this)) return false;
        glEnable(GL_DEPTH_TEST);
        // The font holder comes last and builds its display lists in this context.
        CreateFontForm();
        return true;
    }
    return context->makeCurrent(this);
}

void GLView::FormPaint() {
    if (!BeginPaintLoop(state)) return;
    passPending = true;
    pacer.reset();
    schedulePass();
}

// Waits for the pass's slot: one frame per refresh of the screen the view is on.
void GLView::schedulePass() {
    if (!isExposed()) return; // resumed by the next expose
    const std::int64_t delay = pacer.delayNs(steadyNs());
    passTimer.start(int((delay + 500000) / 1000000));
}

// One pass of the paint loop: demo step, frame, and the next pass while a demo runs. Events that
// arrive between passes run in Qt's event loop before the next pass, as they would between frames
// of a loop that pumps messages.
void GLView::runPass() {
    if (!passPending || !isExposed() || !makeCurrent()) return;
    if (screen()) pacer.setRefreshRate(screen()->refreshRate());
    pacer.frameStarted(steadyNs());
    passPending = false;
    DemoStep(state);
    renderFrame();
    present();
    if (ContinuePaintLoop(state)) {
        passPending = true;
        schedulePass();
    }
}

void GLView::renderFrame() {
    const qreal ratio = devicePixelRatio();
    RenderScene(state, int(width() * ratio), int(height() * ratio));
}

void GLView::present() {
    context->swapBuffers(this);
    emit frameSwapped();
}

// Exposes Qt reports on its own only render; a pass that waited for the window to be shown goes
// on from here.
void GLView::exposeEvent(QExposeEvent*) {
    if (!isExposed() || !makeCurrent()) return;
    if (passPending) {
        schedulePass();
        return;
    }
    renderFrame();
    present();
}

void GLView::resizeEvent(QResizeEvent*) {
    if (!makeCurrent()) return;
    if (onResized) onResized(width(), height());
}

QImage GLView::grabFramebuffer() {
    if (!makeCurrent()) return {};
    renderFrame();
    const qreal ratio = devicePixelRatio();
    const int w = int(width() * ratio), h = int(height() * ratio);
    QImage image(w, h, QImage::Format_RGBA8888);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
    present();
    return image.mirrored().convertToFormat(QImage::Format_RGB32);
}

void GLView::mousePressEvent(QMouseEvent* event) {
    if (onMousePress) onMousePress(event);
}

void GLView::mouseMoveEvent(QMouseEvent* event) {
    if (onMouseMove) onMouseMove(event);
}

void GLView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (onDoubleClick) onDoubleClick(event);
}

void GLView::wheelEvent(QWheelEvent* event) {
    if (onWheel) onWheel(event);
    event->ignore();
}
