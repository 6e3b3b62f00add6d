#include "app/frame/FramePacer.h"

#include <algorithm>
#include <cmath>

FramePacer::FramePacer(double refreshHz) : period(0) {
    setRefreshRate(refreshHz);
}

void FramePacer::setRefreshRate(double refreshHz) {
    if (!(refreshHz >= 1 && refreshHz <= 1000)) refreshHz = 60;
    period = std::llround(1e9 / refreshHz);
}

void FramePacer::frameStarted(std::int64_t nowNs) {
    const std::int64_t scheduled = due == 0 ? nowNs : due;
    due = (nowNs - scheduled > catchUpPeriods * period ? nowNs : scheduled) + period;
}

std::int64_t FramePacer::delayNs(std::int64_t nowNs) const {
    return due == 0 ? 0 : std::max<std::int64_t>(due - nowNs, 0);
}
