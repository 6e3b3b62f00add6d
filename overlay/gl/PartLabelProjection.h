// Where points of the model meet the plane of the read-outs, with the camera and the projection
// of the frame worked out in plain arithmetic, so that the labels know where the frame draws
// each part without asking GL.
#pragma once

#include "overlay/gl/PartLabelAnchors.h"

#include <optional>
#include <vector>

// The plane of the read-outs: eye coordinates at depth 1500, where the view spans about
// -197.5 .. 197.5 in height and as much more in width as the window is wider.
constexpr float labelPlaneDepth = 1500;

struct PlanePoint {
    float x, y;
};

struct PlaneBox {
    float left, right, bottom, top;
    bool holds(PlanePoint p) const {
        return p.x >= left && p.x <= right && p.y >= bottom && p.y <= top;
    }
};

// The view in the plane, for the window's shape as the projection takes it.
PlaneBox planeView(int clientWidth, int clientHeight);

// Where the line of sight through a point of a placement's frame meets the plane; none for a
// point outside the depths the projection shows.
std::optional<PlanePoint> projectToPlane(const SceneState& state, const Pose& placement,
                                         Point3 point);

// The point of the segment, in a placement's frame, that the view shows nearest its middle
// (measured in halves of the view's width and height); none where the view shows none of it.
std::optional<PlanePoint> nearestToMiddle(const SceneState& state, const Pose& placement,
                                          const Segment& segment, const PlaneBox& view);

// The box round the projections of the corners of every part's box in front of the eye, within
// the view; the view's middle where there is none.
PlaneBox modelExtent(const SceneState& state, const std::vector<ShownPart>& parts,
                     const PlaneBox& view);
