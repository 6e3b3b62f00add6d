#include "overlay/gl/PartLabelAnchors.h"

#include "geometry/ChamberPipe.h"

#include <algorithm>

namespace {
bool isShown(DisplayMode mode) {
    return mode == DisplayMode::Cut || mode == DisplayMode::Whole;
}
} // namespace

std::vector<ShownPart> shownParts(const SceneState& s) {
    std::vector<ShownPart> parts;
    const float R = s.pipeOuterRadius, H = s.displayHeight;
    const float nozzleLength = s.connection.nozzleLength;
    const Pose& assembly = s.assembly.pose;
    using enum LabelledPart;
    if (s.assembly.mode != DisplayMode::Off) {
        const ChamberHeights h = chamberHeights(s);
        if (isShown(s.pipeMode)) {
            // The back wall's section, between the connections.
            const float r = std::max(s.flangeOuterRadius, R + (s.insulationVisible ? 20.0f : 0));
            const float z = -(s.pipeInnerRadius + R) / 2;
            parts.push_back({.part = Chamber,
                             .placement = assembly,
                             .anchors = {{0, 0.35f * H, z}},
                             .standIn = Segment{{0, h.bottom + 5, z}, {0, h.top - 5, z}},
                             .low = {-r, h.bottom - 20, -r},
                             .high = {r, h.top + 20, r}});
        }
        if (isShown(s.floatMode)) {
            // The magnet, at the liquid surface.
            const FloatSpec& f = s.selectedFloat;
            const float r = f.outerDiameter / 2;
            parts.push_back({.part = Float,
                             .placement = assembly,
                             .anchors = {{0, s.level, 0}},
                             .low = {-r, s.level - f.immersionDepth - r, -r},
                             .high = {r, s.level + f.length - f.immersionDepth + r, r}});
        }
        const float railBottom = 10.0f * float(s.flapStartIndex - 1);
        const float railTop = 10.0f * float(s.flapStartIndex + s.flapCount);
        if (s.flapMode == DisplayMode::Whole) {
            const float z = R + 14; // the flaps' axles
            parts.push_back({.part = Flaps,
                             .placement = assembly,
                             .anchors = {{0, 0.6f * H, z}},
                             .standIn = Segment{{0, railBottom + 10, z}, {0, railTop - 10, z}},
                             .low = {-14, railBottom, R + 9},
                             .high = {14, railTop, R + 19}});
        }
        if (isShown(s.railMode)) {
            // The front of a side wall, near the top; the measuring scale stands out to the right.
            const float z = R + 22;
            parts.push_back({.part = Rail,
                             .placement = assembly,
                             .anchors = {{15, railTop - 30, z}},
                             .standIn = Segment{{15, railBottom + 5, z}, {15, railTop - 5, z}},
                             .low = {-18, railBottom, R},
                             .high = {s.scaleVisible ? 55.0f : 18, railTop, R + 23}});
        }
        // The housings at their switch points, behind the chamber.
        std::vector<Point3> switches;
        if (s.switch1Visible) switches.push_back({0, s.switch1.switchPoint, -(R + 10)});
        if (s.switch2Visible) switches.push_back({0, s.switch2.switchPoint, -(R + 10)});
        if (!switches.empty()) {
            const auto [low, high] = std::minmax(switches.front().y, switches.back().y);
            parts.push_back({.part = Switches,
                             .placement = assembly,
                             .anchors = switches,
                             .low = {-10, low - 80, -(R + 20)},
                             .high = {10, high + 50, -R}});
        }
        if (s.transmitterVisible) {
            // The head, above the upper connection.
            const float x = s.connection.outerDiameter / 2 + 8, z = -(R + 10);
            parts.push_back({.part = Transmitter,
                             .placement = assembly,
                             .anchors = {{x, H + 25, z}},
                             .standIn = Segment{{x, -50, z}, {x, H + 45, z}},
                             .low = {x - 10, -60, z - 10},
                             .high = {x + 10, H + 80, z + 10}});
        }
        if (isShown(s.pipeMode) && s.connection.name != "FNull") {
            // The middle of both nozzles.
            const float r = s.connection.flangeDiameter / 2, z = -(R + nozzleLength) / 2;
            parts.push_back({.part = Connections,
                             .placement = assembly,
                             .anchors = {{0, 0, z}, {0, H, z}},
                             .low = {-r, -r, -nozzleLength},
                             .high = {r, H + r, 0}});
        }
    }
    // The tank is drawn while the chamber is, in its own placement; cut away, only its half
    // x >= 0 stands. Its anchor is in that half, high up.
    if (s.pipeMode != DisplayMode::Off && s.tankMode != DisplayMode::Off &&
        s.tank.mode != DisplayMode::Off) {
        const float front = -(nozzleLength + 50), back = front - 100;
        const float flange = std::max(30.0f, s.connection.flangeDiameter / 2); // counter-flanges
        parts.push_back({.part = Tank,
                         .placement = s.tank.pose,
                         .anchors = {{50, 0.8f * H, front - 50}},
                         .standIn = Segment{{50, -20, front - 50}, {50, H + 20, front - 50}},
                         .low = {s.pipeMode == DisplayMode::Whole ? -100.0f : 0, -flange, back},
                         .high = {100, H + flange, 30 - nozzleLength}});
    }
    return parts;
}
