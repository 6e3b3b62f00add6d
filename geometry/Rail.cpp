#include "geometry/Rail.h"

#include "geometry/Primitives.h"

#include <GL/gl.h>

#include <array>

namespace {

// What every part of the rail is measured from, recomputed on each draw.
struct RailFrame {
    float R;     // pipe outer radius: the rail's depths are counted from the pipe axis
    float y0;    // bottom, one flap pitch below the lowest flap
    float y1;    // top, one flap pitch above the highest flap
    float alpha; // wall opacity: aluminium is opaque, plastic lets the flaps show through
};

RailFrame frameOf(const SceneState& state) {
    return {state.pipeOuterRadius, 10.0f * (state.flapStartIndex - 1),
            10.0f * (state.flapStartIndex + state.flapCount), state.railAluminium ? 1.0f : 0.4f};
}

// Draws inside a sub-part's own placement.
template <typename Draw> void inPlacement(const PlacedPart& part, Draw draw) {
    MatrixScope scope;
    applyPose(part.pose);
    draw();
}

// A vertical wall from (x1, z1) to (x2, z2) over the rail's full height, in the wall opacity;
// the caller blends the run of walls it draws.
void drawWallQuad(const RailFrame& f, float x1, float z1, float x2, float z2) {
    glBegin(GL_QUADS);
    glColor4f(0.7f, 0.7f, 0.7f, f.alpha);
    glVertex3f(x1, f.y0, z1);
    glColor4f(0.8f, 0.8f, 0.8f, f.alpha);
    glVertex3f(x2, f.y0, z2);
    glColor4f(0.7f, 0.7f, 0.7f, f.alpha);
    glVertex3f(x2, f.y1, z2);
    glColor4f(0.6f, 0.6f, 0.6f, f.alpha);
    glVertex3f(x1, f.y1, z1);
    glEnd();
}

using Face = std::array<Point3, 4>;

// The six faces of a box over the rail's height: back, front, left, right, top, bottom.
std::array<Face, 6> boxFaces(const RailFrame& f, float xLeft, float xRight, float z1, float z2) {
    const float y0 = f.y0, y1 = f.y1;
    return {{
        {{{xLeft, y1, z1}, {xRight, y1, z1}, {xRight, y0, z1}, {xLeft, y0, z1}}},
        {{{xLeft, y1, z2}, {xRight, y1, z2}, {xRight, y0, z2}, {xLeft, y0, z2}}},
        {{{xLeft, y1, z1}, {xLeft, y0, z1}, {xLeft, y0, z2}, {xLeft, y1, z2}}},
        {{{xRight, y1, z1}, {xRight, y0, z1}, {xRight, y0, z2}, {xRight, y1, z2}}},
        {{{xLeft, y1, z1}, {xRight, y1, z1}, {xRight, y1, z2}, {xLeft, y1, z2}}},
        {{{xLeft, y0, z1}, {xRight, y0, z1}, {xRight, y0, z2}, {xLeft, y0, z2}}},
    }};
}

enum class BoxPalette { Glass, RearStrip };

void drawFaceQuad(const Face& face, BoxPalette palette) {
    using Rgba = std::array<float, 4>;
    static const std::array<Rgba, 4> glass{
        {{1, 1, 1, 0.05f}, {0.7f, 0.7f, 1, 0.05f}, {0.7f, 0.7f, 1, 0.05f}, {1, 1, 1, 0.05f}}};
    static const std::array<Rgba, 4> rearStrip{
        {{0.7f, 0.5f, 0, 1}, {0.6f, 0.5f, 0, 1}, {0.6f, 0.7f, 0, 1}, {0.6f, 0.5f, 0, 1}}};
    const auto& colours = palette == BoxPalette::Glass ? glass : rearStrip;
    glBegin(GL_QUADS);
    for (int v = 0; v < 4; ++v) {
        const auto [r, g, b, a] = colours[v];
        if (palette == BoxPalette::Glass)
            glColor4f(r, g, b, a);
        else
            glColor3f(r, g, b);
        glVertex3f(face[v].x, face[v].y, face[v].z);
    }
    glEnd();
}

void drawBox(const RailFrame& f, float halfWidth, float z1, float z2, BoxPalette palette) {
    for (const Face& face : boxFaces(f, -halfWidth, halfWidth, z1, z2)) drawFaceQuad(face, palette);
}

// Draws walls given for the left half (side -1), then their mirror images (side 1).
template <typename Walls> void mirrored(Walls walls) {
    walls(-1.0f);
    walls(1.0f);
}

// A side wall on each side of a channel: its front face from xOuter to xInner at zFront, its
// outer face from zBack and its inner face from zInnerBack forward to the front.
struct SideWalls {
    float xOuter, xInner;
    float zBack, zInnerBack, zFront;
};

void drawSideWalls(const RailFrame& f, const SideWalls& w) {
    mirrored([&](float side) {
        drawWallQuad(f, w.xOuter * side, w.zFront, w.xInner * side, w.zFront);
        drawWallQuad(f, w.xOuter * side, w.zBack, w.xOuter * side, w.zFront);
        drawWallQuad(f, w.xInner * side, w.zInnerBack, w.xInner * side, w.zFront);
    });
}

// The U-channel under the flap pins; its side walls end at the flaps' turning axis.
void drawCarrier(const RailFrame& f) {
    const float R = f.R;
    const BlendScope walls;
    drawSideWalls(
        f, {.xOuter = 15, .xInner = 13, .zBack = R + 7, .zInnerBack = R + 9, .zFront = R + 14});
    drawWallQuad(f, -13, R + 9, 13, R + 9);
    drawWallQuad(f, -15, R + 7, 15, R + 7);
}

// Side walls 4 thick, the back wall with its recess for the rear strip, and the foot that
// stops one unit off the pipe wall.
void drawBody(const RailFrame& f) {
    const float R = f.R;
    const BlendScope walls;
    drawSideWalls(
        f, {.xOuter = 17, .xInner = 13, .zBack = R + 5, .zInnerBack = R + 7, .zFront = R + 22});
    mirrored([&](float side) { // back wall, down into the recess
        drawWallQuad(f, 13 * side, R + 7, 4 * side, R + 7);
        drawWallQuad(f, 4 * side, R + 7, 4 * side, R + 5);
    });
    drawWallQuad(f, 4, R + 5, -4, R + 5);
    mirrored([&](float side) { // foot
        drawWallQuad(f, 17 * side, R + 5, 12 * side, R + 5);
        drawWallQuad(f, 12 * side, R + 5, 12 * side, R + 1);
    });
    drawWallQuad(f, 12, R + 1, -12, R + 1);
}

// Cap closing one end: outer face at yOuter, front edge down to yFront, inner face at yInner.
void drawEndCap(const RailFrame& f, float yOuter, float yFront, float yInner) {
    const float R = f.R;
    glBegin(GL_QUADS);
    greyQuad(0.9f, {-18, yOuter, R + 6}, {18, yOuter, R + 6}, // outer face
             0.8f, {18, yOuter, R + 22}, {-18, yOuter, R + 22});
    greyQuad(0.2f, {-15.5f, yInner, R + 7.5f}, {15.5f, yInner, R + 7.5f}, // inner face
             0.3f, {15.5f, yInner, R + 22}, {-15.5f, yInner, R + 22});
    greyQuad(0.8f, {-18, yOuter, R + 22.1f}, {18, yOuter, R + 22.1f}, // front face
             0.9f, {18, yFront, R + 22.1f}, {-18, yFront, R + 22.1f});
    glEnd();
}

// A screw whose head sits at the origin and whose shank runs 20 along its local Z, turned
// about Y so that it points through a side wall.
void drawScrew(float x, float y, float z, float turn) {
    glTranslatef(x, y, z);
    glRotatef(turn, 0, 1, 0);

    glBegin(GL_TRIANGLE_FAN); // head
    grey(0.6f);
    glVertex3f(0, 0, -1);
    grey(0.5f);
    for (const auto& [s, c] : CircleTable) glVertex3f(4 * s, 4 * c, -1);
    glEnd();

    glBegin(GL_TRIANGLE_FAN); // tip
    grey(0.5f);
    glVertex3f(0, 0, 20);
    grey(0.6f);
    for (const auto& [s, c] : CircleTable) glVertex3f(s, c, 20);
    glEnd();

    glBegin(GL_QUAD_STRIP); // shank
    grey(0.5f);
    for (const auto& [s, c] : CircleTable) {
        glVertex3f(s, c, 0);
        glVertex3f(s, c, 20);
    }
    glEnd();
}

void drawGlass(const RailFrame& f) {
    const BlendScope translucent;
    drawBox(f, 14.5f, f.R + 18, f.R + 21, BoxPalette::Glass);
}

// The +X half of an end cap, cut in the plane x = 0: outer face at yOuter, inner at yInner.
void drawCutEndCap(const RailFrame& f, float yOuter, float yInner) {
    const float R = f.R, front = R + 22.01f;
    glBegin(GL_QUADS);
    greyQuad(0.9f, {0, yOuter, R + 6}, {17.1f, yOuter, R + 6}, // outer face
             0.8f, {17.1f, yOuter, R + 22}, {0, yOuter, R + 22});
    greyQuad(0.2f, {0, yInner, R + 7.5f}, {12.9f, yInner, R + 7.5f}, // inner face
             0.3f, {12.9f, yInner, R + 22}, {0, yInner, R + 22});
    greyQuad(0.8f, {0, yOuter, front}, {17.1f, yOuter, front}, // front face
             0.9f, {17.1f, yInner, front}, {0, yInner, front});
    greyQuad(0.5f, {0, yOuter, front}, {0, yOuter, R + 7}, // section
             0.5f, {0, yInner, R + 7}, {0, yInner, front});
    glEnd();
}

// The +X half of the rear strip, shown as a magnet: green toward the pipe, red toward the flaps.
void drawCutRearStrip(const RailFrame& f) {
    const float back = f.R + 5, front = f.R + 7;
    for (const Face& face : boxFaces(f, 0, 4, back, front)) {
        glBegin(GL_QUADS);
        for (const Point3& corner : face) {
            if (corner.z == back)
                glColor3f(0, 1, 0);
            else
                glColor3f(1, 0, 0);
            glVertex3f(corner.x, corner.y, corner.z);
        }
        glEnd();
    }
}

// The measuring scale beside the rail: a board from level 0 to the rail's top with two
// columns of cells, the left one changing every 10 units, the right one every 50.
void drawScale(const RailFrame& f) {
    const float T = f.y1, back = f.R + 18, front = f.R + 21;

    glBegin(GL_QUADS); // board
    grey(0.8f);
    glVertex3f(15, 0, back);
    glVertex3f(53, 0, back);
    glVertex3f(53, T, back);
    glVertex3f(15, T, back);
    glEnd();

    auto edge = [&](float xA, float yA, float xB, float yB) {
        glBegin(GL_QUADS);
        grey(0.7f);
        glVertex3f(xA, yA, back);
        glVertex3f(xA, yA, front);
        glVertex3f(xB, yB, front);
        glVertex3f(xB, yB, back);
        glEnd();
    };
    edge(15, 0, 15, T);
    edge(53, 0, 53, T);
    edge(15, 0, 53, 0);
    edge(15, T, 53, T);

    auto cell = [&](float xA, float xB, float y, bool dark) {
        glBegin(GL_QUADS);
        grey(dark ? 0.0f : 0.9f);
        glVertex3f(xA, y, front);
        glVertex3f(xB, y, front);
        glVertex3f(xB, y + 10, front);
        glVertex3f(xA, y + 10, front);
        glEnd();
    };
    // The first pair is drawn even on a rail that ends below level 0.
    int v = 0;
    do {
        const float y = static_cast<float>(v);
        cell(18, 35, y, v % 20 == 0);
        cell(35, 53, y, v % 100 >= 50);
        v += 10;
    } while (v < T);
}

} // namespace

void ConstructRail(RailPart& rail) {
    for (PlacedPart& element : rail.elements) element = PlacedPart{};
    static_cast<PlacedPart&>(rail) = PlacedPart{};
}

void DrawRailWhole(const SceneState& state, const RailPart& rail) {
    const RailFrame f = frameOf(state);
    const float R = f.R;
    {
        MatrixScope scope;
        applyPose(rail.pose);
        const auto& part = rail.elements;
        inPlacement(part[reCarrier], [&] { drawCarrier(f); });
        inPlacement(part[reBody], [&] { drawBody(f); });
        inPlacement(part[reRearStrip], [&] { drawBox(f, 4, R + 5, R + 7, BoxPalette::RearStrip); });
        inPlacement(part[reTopCap], [&] { drawEndCap(f, f.y1, f.y1 - 10, f.y1 - 1); });
        inPlacement(part[reBottomCap], [&] { drawEndCap(f, f.y0, f.y0 + 10, f.y0 + 1); });
        inPlacement(part[reScrewTopLeft], [&] { drawScrew(-17, f.y1 - 5, R + 10, 90); });
        inPlacement(part[reScrewTopRight], [&] { drawScrew(17, f.y1 - 5, R + 10, -90); });
        inPlacement(part[reScrewBottomLeft], [&] { drawScrew(-17, f.y0 + 5, R + 10, 90); });
        inPlacement(part[reScrewBottomRight], [&] { drawScrew(17, f.y0 + 5, R + 10, -90); });
        inPlacement(part[reGlass], [&] { drawGlass(f); });
    }
    if (state.scaleVisible) drawScale(f);
}

void DrawRailCut(const SceneState& state, const RailPart& rail) {
    const RailFrame f = frameOf(state);
    const float R = f.R;
    {
        MatrixScope scope;
        applyPose(rail.pose);
        {
            const BlendScope walls;
            drawWallQuad(f, 13, R + 7, 13, R + 22);
            drawWallQuad(f, 17, R + 7, 17, R + 22);
            drawWallQuad(f, 17, R + 22, 13, R + 22);
            drawWallQuad(f, 4, R + 7, 17, R + 7);
        }
        drawCutEndCap(f, f.y0, f.y0 + 1);
        drawCutEndCap(f, f.y1, f.y1 - 1);
        drawCutRearStrip(f);
    }
    if (state.scaleVisible) drawScale(f);
}
