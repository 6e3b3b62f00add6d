#include "app/GLView.h"

#include "app/FramebufferImage.h"
#include "app/SmoothingPass.h"
#include "app/frame/Demo.h"
#include "app/frame/EdgeSmoothing.h"
#include "app/frame/FrameRender.h"
#include "app/frame/PaintLoop.h"
#include "overlay/FontForm.h"

#include <QExposeEvent>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QScreen>

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
        context->makeCurrent(this);
        multisampled.reset();
        edgeFilter.reset();
        context->doneCurrent();
        delete context;
    }
}

bool GLView::makeCurrent() {
    if (context) return context->makeCurrent(this);
    create();
    context = new QOpenGLContext;
    context->setFormat(requestedFormat());
    if (!context->create() || !context->makeCurrent(this)) return false;
    glEnable(GL_DEPTH_TEST);
    // The font holder comes last and builds its display lists in this context.
    CreateFontForm();
    multisampling = QOpenGLFramebufferObject::hasOpenGLFramebufferObjects() &&
                    QOpenGLFramebufferObject::hasOpenGLFramebufferBlit();
    const auto* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    chooseSmoothing(renderer ? renderer : "");
    if (onRendererKnown) onRendererKnown(rendererName);
    return true;
}

QSize GLView::devicePixels() const {
    return size() * devicePixelRatio();
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

// One frame of the scene at `pixels`. The frame sets the clear colour only after its clear, so
// that a new background colour would show one frame late; setting it first shows it at once.
void GLView::renderScene(QSize pixels) {
    glClearColor(state.backgroundRed, state.backgroundGreen, state.backgroundBlue, 0);
    RenderScene(state, pixels.width(), pixels.height());
}

// The renderer's way of smoothing, unless one was given; multisampling needs framebuffer
// objects that can be multisampled and blitted, the edge filter works everywhere.
void GLView::chooseSmoothing(const std::string& renderer) {
    rendererName = renderer;
    if (!smoothingGiven) smoothing = smoothingWayFor(renderer);
    if (smoothing == SmoothingWay::Multisampling && !multisampling)
        smoothing = SmoothingWay::EdgeFilter;
}

void GLView::useSmoothing(SmoothingWay way, int multisamples) {
    smoothingGiven = true;
    smoothing = way;
    samples = multisamples;
    state.smoothEdges = way != SmoothingWay::Off;
    state.smoothEdgesChosen = true;
}

// How this frame is smoothed. Until the user chooses, smooth edges follow the view's size, so
// that a software renderer stays at the display's frame rate on a large screen.
SmoothingWay GLView::frameSmoothing(QSize pixels) {
    if (!state.smoothEdgesChosen)
        state.smoothEdges = smoothEdgesByDefault(rendererName, pixels.width(), pixels.height());
    return state.smoothEdges ? smoothing : SmoothingWay::Off;
}

void GLView::renderFrame() {
    const QSize pixels = devicePixels();
    const SmoothingWay way = frameSmoothing(pixels);
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
