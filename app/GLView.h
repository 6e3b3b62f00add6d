// The OpenGL view of the main window: a native window with its own GL context, which the main
// window embeds below its menus. It runs the paint loop's passes, presents each frame itself and
// paces the passes to the display's refresh, and forwards the mouse, touch and gestures to the
// main window's handlers. Nothing composites it: a frame goes from the back buffer straight to
// the screen (while edges are smoothed, through a multisampled buffer first or, on a software
// renderer, through the edge filter).
#pragma once

#include "app/frame/FramePacer.h"
#include "app/frame/Renderer.h"
#include "core/Viewer.h"

#include <QImage>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <memory>
#include <string>

class QOpenGLContext;
class QOpenGLFramebufferObject;
class SmoothingPass;

class GLView : public QWindow {
    Q_OBJECT
  public:
    explicit GLView(Viewer& viewer, QWindow* parent = nullptr);
    ~GLView() override;

    // The paint loop has started: its passes run, one per refresh of the display, until the
    // core says that the loop has ended.
    void startPasses();
    // The current scene rendered off-screen with the frame code into an image of `pixels`
    // (read-outs placed for that shape), its edges smoothed unless `smoothed` is false; empty if
    // the renderer cannot make a picture that large.
    QImage renderPicture(QSize pixels, bool smoothed = true);
    // The same at the view's own size in device pixels, smoothed.
    QImage grabFramebuffer();
    // The view's size in device pixels.
    QSize devicePixels() const;
    // The GL viewport of the view's frames, in device pixels.
    QRect viewport();
    // Whether edges can be smoothed on this renderer. Known once the view has its GL context;
    // until then true.
    bool smoothingAvailable() const { return smoothing != SmoothingWay::Off; }
    // How the frames' edges are smoothed while smooth edges are on: the renderer's way, or the
    // one given to useSmoothing (which also takes the number of samples of multisampling).
    SmoothingWay smoothingWay() const { return smoothing; }
    int smoothingSamples() const { return samples; }
    void useSmoothing(SmoothingWay way, int multisamples = 4);
    // GL errors the frames raised so far (none is expected), and the first of them.
    int glErrors() const { return errorCount; }
    unsigned firstGlError() const { return firstError; }

    // The pointer's input on the view: mouse, wheel, touch and touchpad gestures. True when the
    // handler took the event.
    std::function<bool(QEvent*)> onInput;
    std::function<void(int, int)> onResized; // client width and height, the GL context current

  signals:
    void frameSwapped();

  protected:
    // Mouse, wheel, touch and gestures go to onInput.
    bool event(QEvent* event) override;
    void exposeEvent(QExposeEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    bool makeCurrent();
    void setUpGL();
    void reportContextFailure(const char* what);
    void runPass();
    void schedulePass();
    void renderFrame();
    void renderScene(QSize pixels);
    void chooseSmoothing(const std::string& renderer);
    QOpenGLFramebufferObject* smoothTarget(QSize pixels);
    void present();
    void collectErrors();

    Viewer& viewer;
    const SceneState& state;
    QOpenGLContext* context = nullptr;
    std::unique_ptr<QOpenGLFramebufferObject> multisampled; // the smoothed frame before the blit
    std::unique_ptr<SmoothingPass> edgeFilter;
    bool multisampling = true; // framebuffer objects with multisampling work
    SmoothingWay smoothing = SmoothingWay::Multisampling;
    bool smoothingGiven = false; // by useSmoothing, not by the renderer
    int samples = 4;
    std::string rendererName;
    bool glSetUp = false;
    bool contextFailureReported = false;
    QTimer passTimer;
    FramePacer pacer;
    bool passPending = false; // the loop runs and its next pass has not rendered yet
    int errorCount = 0;
    unsigned firstError = 0;
};
