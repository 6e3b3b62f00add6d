#include "app/GLView.h"

#include "app/FramebufferImage.h"
#include "app/SmoothingPass.h"
#include "app/frame/EdgeSmoothing.h"
#include "app/frame/FrameRender.h"
#include "overlay/FontForm.h"

#include <QExposeEvent>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QScreen>

#include <GL/gl.h>

#include <chrono>
#include <cstdio>

namespace {
std::int64_t steadyNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
} // namespace

GLView::GLView(Viewer& viewer, QWindow* parent)
    : QWindow(parent), viewer(viewer), state(viewer.state()) {
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
        if (context->isValid() && context->makeCurrent(this)) {
            multisampled.reset();
            edgeFilter.reset();
            context->doneCurrent();
        }
        delete context;
    }
}

// The context is made on the first need; the GL set-up runs the first time it is current,
// wherever that happens. A context that cannot be made or made current is said once on stderr and
// leaves the view undrawn.
bool GLView::makeCurrent() {
    if (!context) {
        create();
        context = new QOpenGLContext;
        context->setFormat(requestedFormat());
        if (!context->create()) reportContextFailure("no OpenGL context could be created");
    }
    if (!context->isValid()) return false;
    if (!context->makeCurrent(this)) {
        reportContextFailure("the OpenGL context cannot be made current");
        return false;
    }
    if (!glSetUp) setUpGL();
    return true;
}

void GLView::setUpGL() {
    glSetUp = true;
    glEnable(GL_DEPTH_TEST);
    // The font holder comes last and builds its display lists in this context.
    CreateFontForm();
    multisampling = QOpenGLFramebufferObject::hasOpenGLFramebufferObjects() &&
                    QOpenGLFramebufferObject::hasOpenGLFramebufferBlit();
    const auto* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    chooseSmoothing(renderer ? renderer : "");
}

// The renderer's way of smoothing, unless one was given; multisampling needs framebuffer
// objects that can be multisampled and blitted, the edge filter works everywhere.
void GLView::chooseSmoothing(const std::string& renderer) {
    rendererName = renderer;
    if (!smoothingGiven) smoothing = smoothingWayFor(renderer);
    if (smoothing == SmoothingWay::Multisampling && !multisampling)
        smoothing = SmoothingWay::EdgeFilter;
    viewer.rendererKnown(rendererName, smoothing);
}

void GLView::useSmoothing(SmoothingWay way, int multisamples) {
    smoothingGiven = true;
    smoothing = way;
    samples = multisamples;
    viewer.setSmoothEdges(way != SmoothingWay::Off);
}

void GLView::reportContextFailure(const char* what) {
    if (contextFailureReported) return;
    contextFailureReported = true;
    std::fprintf(stderr, "niveau: %s; the 3D view stays empty.\n", what);
}

QSize GLView::devicePixels() const {
    return size() * devicePixelRatio();
}

void GLView::startPasses() {
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
    viewer.DemoStep();
    renderFrame();
    present();
    if (viewer.PassDone()) {
        passPending = true;
        schedulePass();
    }
}

// One frame of the scene at `pixels`. The frame sets the clear colour only after its clear, so
// that a new background colour would show one frame late; setting it first shows it at once.
void GLView::renderScene(QSize pixels) {
    glClearColor(state.backgroundRed, state.backgroundGreen, state.backgroundBlue, 0);
    viewer.RenderFrame(pixels.width(), pixels.height());
}

void GLView::renderFrame() {
    const QSize pixels = devicePixels();
    const SmoothingWay way =
        viewer.smoothFrame(pixels.width(), pixels.height()) ? smoothing : SmoothingWay::Off;
    // The buffers of a way not in use are given back.
    if (way != SmoothingWay::Multisampling) multisampled.reset();
    if (way != SmoothingWay::EdgeFilter) edgeFilter.reset();
    QOpenGLFramebufferObject* target =
        way == SmoothingWay::Multisampling ? smoothTarget(pixels) : nullptr;
    if (!target) {
        renderScene(pixels);
        if (way == SmoothingWay::EdgeFilter) {
            if (!edgeFilter) edgeFilter = std::make_unique<SmoothingPass>();
            edgeFilter->apply(pixels);
        }
        return;
    }
    target->bind();
    renderScene(pixels);
    QOpenGLFramebufferObject::bindDefault();
    const QRect all(QPoint(0, 0), pixels);
    QOpenGLFramebufferObject::blitFramebuffer(nullptr, all, target, all, GL_COLOR_BUFFER_BIT,
                                              GL_NEAREST);
}

// The multisampled buffer for a frame of `pixels`, made anew when the size changes; null (and
// the edge filter from then on) where the renderer cannot make one.
QOpenGLFramebufferObject* GLView::smoothTarget(QSize pixels) {
    if (!multisampling || pixels.isEmpty()) return nullptr;
    if (!multisampled || multisampled->size() != pixels) {
        QOpenGLFramebufferObjectFormat format;
        format.setSamples(samples);
        format.setAttachment(QOpenGLFramebufferObject::Depth);
        multisampled = std::make_unique<QOpenGLFramebufferObject>(pixels, format);
        if (!multisampled->isValid()) {
            multisampled.reset();
            multisampling = false;
            chooseSmoothing(rendererName);
        }
    }
    return multisampled.get();
}

void GLView::present() {
    collectErrors();
    context->swapBuffers(this);
    emit frameSwapped();
}

void GLView::collectErrors() {
    for (GLenum error = glGetError(); error != GL_NO_ERROR; error = glGetError()) {
        if (errorCount++ == 0) firstError = error;
    }
}

// Pictures are smoothed by multisampling wherever it works, on a software renderer too: they
// are made once, so the best smoothing is worth its time. Elsewhere the edge filter smooths them.
QImage GLView::renderPicture(QSize pixels, bool smoothed) {
    if (!makeCurrent()) return {};
    const int pictureSamples = smoothed && multisampling ? 4 : 0;
    QImage picture = renderToImage(pixels, pictureSamples, [&] {
        ApplyProjection(pixels.width(), pixels.height());
        renderScene(pixels);
    });
    if (smoothed && !pictureSamples && !picture.isNull())
        smoothEdges(reinterpret_cast<std::uint32_t*>(picture.bits()), picture.width(),
                    picture.height());
    const QSize own = devicePixels();
    ApplyProjection(own.width(), own.height());
    collectErrors();
    return picture;
}

QImage GLView::grabFramebuffer() {
    return renderPicture(devicePixels());
}

QRect GLView::viewport() {
    GLint box[4] = {0, 0, 0, 0};
    if (makeCurrent()) glGetIntegerv(GL_VIEWPORT, box);
    return QRect(box[0], box[1], box[2], box[3]);
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

bool GLView::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonDblClick:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::NativeGesture:
        // Taken touches are accepted, so that no mouse events are made up from them.
        if (onInput && onInput(event)) {
            event->accept();
            return true;
        }
        break;
    case QEvent::Wheel:
        if (onInput) onInput(event);
        event->ignore(); // the wheel zooms, but the event stays open to others
        return true;
    default:
        break;
    }
    return QWindow::event(event);
}
