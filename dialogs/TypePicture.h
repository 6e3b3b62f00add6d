// The picture beside the type list: the whole chamber of the selected type, drawn by the model's
// own geometry from a private copy of the scene state, with its own fixed camera.
#pragma once

#include "scene/SceneState.h"

#include <QOpenGLWidget>

class TypePicture : public QOpenGLWidget {
    Q_OBJECT
  public:
    explicit TypePicture(QWidget* parent = nullptr);

    // Takes a copy of the state as it is now (type, radii, connection, float, display height)
    // and repaints from it.
    void showChamberOf(const SceneState& state);

  protected:
    void initializeGL() override;
    void paintGL() override;

  private:
    SceneState scene;
};
