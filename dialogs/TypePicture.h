// The picture beside the type list: the whole chamber of the selected type, drawn by the model's
// own geometry from a private copy of the scene state, with its own fixed camera. It is rendered
// off-screen in a GL context of its own when it changes and shown as an image, so that the
// dialog stays an ordinary window that needs no GL composition.
#pragma once

#include "scene/SceneState.h"

#include <QImage>
#include <QWidget>

#include <memory>

class QOffscreenSurface;
class QOpenGLContext;

class TypePicture : public QWidget {
    Q_OBJECT
  public:
    explicit TypePicture(QWidget* parent = nullptr);
    ~TypePicture() override;

    // Takes a copy of the state as it is now (type, radii, connection, float, display height)
    // and repaints from it.
    void showChamberOf(const SceneState& state);
    // The picture as it is shown, in device pixels.
    QImage grabFramebuffer();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void render();

    SceneState scene;
    QImage picture;
    bool stale = true;
    std::unique_ptr<QOffscreenSurface> surface;
    std::unique_ptr<QOpenGLContext> context;
};
