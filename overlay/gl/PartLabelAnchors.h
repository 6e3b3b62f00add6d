// The parts the part labels name, which of them the frame draws, and the points on each that
// leader lines end at: taken from the state by the rules the frame draws by, in the frame of
// each part's placement.
#pragma once

#include "geometry/Primitives.h"
#include "scene/SceneState.h"

#include <cstddef>
#include <optional>
#include <vector>

// The parts that are labelled, in the order of their texts.
enum class LabelledPart { Chamber, Float, Flaps, Rail, Switches, Transmitter, Connections, Tank };
constexpr std::size_t labelledPartCount = 8;

struct Segment {
    Point3 a, b;
};

// A part the frame draws: the points its leader lines end at (one per switch and per connection
// shown), for a long part the line along it whose point nearest the view's middle stands in for
// the anchor where the view does not show that, and a box round it, all in the frame of its
// placement (the assembly's, or the tank's).
struct ShownPart {
    LabelledPart part = LabelledPart::Chamber;
    Pose placement{};
    std::vector<Point3> anchors{};
    std::optional<Segment> standIn{};
    Point3 low{}, high{};
};

// The parts the frame draws, by the same rules as the frame: display modes, accessory flags and
// the connection; a hidden part is not among them.
std::vector<ShownPart> shownParts(const SceneState& state);
