// The tour's move from one scene's view to the next: camera and level glide over about a second,
// slow at both ends. Angles turn the short way round; the zoom changes by the same factor in
// equal times, so that near and far views pass at the same pace.
#pragma once

#include "core/SceneFile.h"

struct SceneView {
    SceneCamera camera;
    float level = 0;
};

class Glide {
  public:
    static constexpr double seconds = 1.0;

    void start(const SceneView& from, const SceneView& to, double now);
    // The view at `now`: `from` at the start, `to` from the end on, when the glide stops running.
    SceneView at(double now);
    bool running() const { return moving; }

  private:
    SceneView from, to;
    double startTime = 0;
    bool moving = false;
};
