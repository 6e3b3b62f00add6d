// Pacing the paint loop: never more frames than the display refreshes, never a wait where the
// frames are slower than the refresh, and no burst after a slow frame.
#include "app/frame/FramePacer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
constexpr std::int64_t ms = 1000000;

// Runs a loop whose frames each take `frameNs` (the swap returning at once) for `totalNs` of
// simulated time, waiting as the pacer says; returns the start times of the frames.
std::vector<std::int64_t> simulate(FramePacer& pacer, std::int64_t frameNs, std::int64_t totalNs) {
    std::vector<std::int64_t> starts;
    std::int64_t now = 1000 * ms;
    const std::int64_t end = now + totalNs;
    while (now < end) {
        now += pacer.delayNs(now);
        starts.push_back(now);
        pacer.frameStarted(now);
        now += frameNs;
    }
    return starts;
}
} // namespace

TEST(FramePacer, FastFramesArePacedToTheRefreshRate) {
    for (const double hz : {60.0, 75.0, 144.0}) {
        FramePacer pacer(hz);
        const auto starts = simulate(pacer, 2 * ms, 1000 * ms);
        EXPECT_NEAR(double(starts.size()), hz, 1) << hz << " Hz";
        for (std::size_t i = 1; i < starts.size(); ++i)
            EXPECT_GE(starts[i] - starts[i - 1], pacer.periodNs()) << "frame " << i;
    }
}

TEST(FramePacer, SlowFramesNeverWait) {
    FramePacer pacer(60);
    const auto starts = simulate(pacer, 25 * ms, 1000 * ms);
    for (std::size_t i = 1; i < starts.size(); ++i)
        EXPECT_EQ(starts[i] - starts[i - 1], 25 * ms) << "frame " << i;
}

TEST(FramePacer, FramesJustUnderThePeriodKeepTheCadence) {
    FramePacer pacer(60);
    const auto starts = simulate(pacer, 16 * ms, 2000 * ms);
    EXPECT_NEAR(double(starts.size()), 120, 1);
}

TEST(FramePacer, AFewSlowFramesAreMadeUpForSoTheDemosKeepTheirSpeed) {
    // Frames of 5 ms, then the same with three frames of 30 ms among them: one second holds as
    // many frames either way.
    auto framesInOneSecond = [](bool hiccup) {
        FramePacer pacer(60);
        std::int64_t now = 1000 * ms;
        int frames = 0;
        for (const std::int64_t end = now + 1000 * ms; now < end; ++frames) {
            now += pacer.delayNs(now);
            pacer.frameStarted(now);
            now += (hiccup && frames >= 10 && frames <= 12) ? 30 * ms : 5 * ms;
        }
        return frames;
    };
    EXPECT_EQ(framesInOneSecond(true), framesInOneSecond(false));
}

TEST(FramePacer, AFrameFarTooLateStartsANewScheduleInsteadOfABurst) {
    FramePacer pacer(60);
    const std::int64_t start = 1000 * ms;
    pacer.frameStarted(start);
    // The window was busy or hidden for 200 ms: the frame after the late one waits a period.
    const std::int64_t late = start + 200 * ms;
    EXPECT_EQ(pacer.delayNs(late), 0);
    pacer.frameStarted(late);
    EXPECT_EQ(pacer.delayNs(late + 1 * ms), pacer.periodNs() - 1 * ms);
}

TEST(FramePacer, UnknownOrImplausibleRatesCountAsSixtyHertz) {
    for (const double hz : {0.0, -1.0, 0.5, 5000.0, 1.0 / 0.0}) {
        FramePacer pacer(hz);
        EXPECT_EQ(pacer.periodNs(), 16666667) << hz;
    }
    FramePacer pacer(60);
    pacer.setRefreshRate(120);
    EXPECT_EQ(pacer.periodNs(), 8333333);
}

TEST(FramePacer, AfterAResetTheNextFrameIsDueAtOnce) {
    FramePacer pacer(60);
    pacer.frameStarted(1000 * ms);
    EXPECT_GT(pacer.delayNs(1001 * ms), 0);
    pacer.reset();
    EXPECT_EQ(pacer.delayNs(1001 * ms), 0);
}
