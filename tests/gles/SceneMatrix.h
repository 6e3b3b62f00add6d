// The scenes both GL paths render for the picture comparison: the start scene and a matrix of
// states around it (every display mode, both type families, wire-frame and points, translucent
// parts, the read-outs in their states, a close and a wide view, the options dialog's chamber
// picture). Rendering calls GL by name, so a program draws them through whichever GL it links.
#pragma once

#include "scene/SceneState.h"

#include <functional>
#include <string>
#include <vector>

struct MatrixScene {
    std::string name;
    int width, height;
    std::function<void(SceneState&)> setUp; // on the start scene
    bool typePicture = false; // drawn as the options dialog's orthographic chamber picture
};

const std::vector<MatrixScene>& sceneMatrix();

// The start scene with the scene's changes, drawn into the current framebuffer of the scene's
// size as the second frame the window shows of it.
void RenderMatrixScene(const MatrixScene& scene);
