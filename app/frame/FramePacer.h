// When the next pass of the paint loop may present its frame: at most one frame per refresh of
// the display, also where swapping the buffers returns at once (software renderers, virtual
// displays), so that the demos, which advance one step per frame, run at the same speed on every
// machine that reaches the refresh rate. Plain arithmetic on nanosecond times, no clock of its own.
#pragma once

#include <cstdint>

class FramePacer {
  public:
    // `refreshHz` outside 1 .. 1000 (unknown or implausible) counts as 60.
    explicit FramePacer(double refreshHz = 60);

    void setRefreshRate(double refreshHz);
    std::int64_t periodNs() const { return period; }

    // A frame starts at `nowNs`; the next one is due one period after this one was due, so that a
    // frame that came a little late is made up for by the ones after it and the demos keep their
    // speed. A frame later than `catchUpPeriods` periods (the window was busy or hidden) starts a
    // new schedule one period from now instead of a burst of frames.
    void frameStarted(std::int64_t nowNs);
    static constexpr int catchUpPeriods = 3;
    // Time to wait at `nowNs` before the next frame may start; 0 when it is due.
    std::int64_t delayNs(std::int64_t nowNs) const;
    // The loop was idle: the next frame is due at once.
    void reset() { due = 0; }

  private:
    std::int64_t period;
    std::int64_t due = 0; // when the next frame is due; 0 for at once
};
