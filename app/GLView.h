// The OpenGL view that fills the main window. It runs the paint loop's passes and forwards the
// mouse to the main window's handlers.
#pragma once

#include "scene/SceneState.h"

#include <QOpenGLWidget>

#include <functional>

class GLView : public QOpenGLWidget {
    Q_OBJECT
  public:
    GLView(SceneState& state, QWidget* parent);

    // The redraw request: starts the paint loop unless it already runs.
    void FormPaint();

    std::function<void(QMouseEvent*)> onMousePress;
    std::function<void(QMouseEvent*)> onMouseMove;
    std::function<void(QWheelEvent*)> onWheel;
    std::function<void(int, int)> onResized; // client width and height

  protected:
    void initializeGL() override;
    void paintGL() override;
    void resizeGL(int w, int h) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    SceneState& state;
    bool passScheduled = false;
};
