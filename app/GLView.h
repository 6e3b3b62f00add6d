// The OpenGL view of the main window: a native window with its own GL context, which the main
// window embeds below its menus. It runs the paint loop's passes, presents each frame itself and
// paces the passes to the display's refresh, and forwards the mouse to the main window's
// handlers. Nothing composites it: a frame goes from the back buffer straight to the screen.
#pragma once

#include "app/frame/FramePacer.h"
#include "scene/SceneState.h"

#include <QImage>
#include <QTimer>
#include <QWindow>

#include <functional>

class QOpenGLContext;

class GLView : public QWindow {
    Q_OBJECT
  public:
    explicit GLView(SceneState& state, QWindow* parent = nullptr);
    ~GLView() override;

    // The redraw request: starts the paint loop unless it already runs.
    void FormPaint();
    // The current scene rendered into an image of the view's size in device pixels.
    QImage grabFramebuffer();

    std::function<void(QMouseEvent*)> onMousePress;
    std::function<void(QMouseEvent*)> onMouseMove;
    std::function<void(QMouseEvent*)> onDoubleClick;
    std::function<void(QWheelEvent*)> onWheel;
    std::function<void(int, int)> onResized; // client width and height, the GL context current

  signals:
    void frameSwapped();

  protected:
    void exposeEvent(QExposeEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    bool makeCurrent();
    void runPass();
    void schedulePass();
    void renderFrame();
    void present();

    SceneState& state;
    QOpenGLContext* context = nullptr;
    QTimer passTimer;
    FramePacer pacer;
    bool passPending = false; // the loop runs and its next pass has not rendered yet
};
