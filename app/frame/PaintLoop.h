// The paint loop: each pass advances the demos, lets pending events run and renders one frame;
// passes follow one another while a demo runs. A redraw request during the loop only changes
// state, the running loop shows it with its next frame.
#pragma once

#include "scene/SceneState.h"

class PaintLoop {
  public:
    // A redraw request. True when a new loop starts and its first pass must be scheduled; false
    // when the loop already runs.
    bool begin();
    // Called after a pass has rendered its frame. True when another pass must follow, while a
    // demo runs or the view is `moving` on its own; otherwise the loop ends here.
    bool passDone(const SceneState& state, bool moving = false);
    // The loop runs: a pass is scheduled or under way.
    bool running() const { return painting; }

  private:
    bool painting = false;
};
