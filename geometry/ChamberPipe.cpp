#include "geometry/ChamberPipe.h"

#include "geometry/EndClosures.h"
#include "geometry/Primitives.h"
#include "geometry/ProcessConnections.h"
#include "geometry/Springs.h"
#include "scene/IndicatorTypes.h"

#include <GL/gl.h>

#include <cmath>

namespace {

constexpr float insulationThickness = 20;
constexpr float insulationSlotHalfWidth = 17;
constexpr float cutShade = 0.5f;

// Draws a section patch in the plane x = 0, then its copy turned half round onto the -Z side.
template <typename Draw> void drawOnBothSides(Draw draw) {
    draw();
    MatrixScope scope;
    glRotatef(180, 0, 1, 0);
    draw();
}

// The profile where the jacket's lower end closes round the bottom end fitting.
void drawJacketFootProfile(float yBase, float insulationRadius) {
    MatrixScope scope;
    glTranslatef(0, yBase, 0);
    glBegin(GL_TRIANGLE_STRIP);
    glVertex3f(0, 0, insulationRadius);
    glVertex3f(0, 0, 16.85f);
    glVertex3f(0, -7, insulationRadius);
    glVertex3f(0, -7, 16.85f);
    glVertex3f(0, 0, insulationRadius);
    glVertex3f(0, -12, 20);
    glVertex3f(0, -30.5f, insulationRadius);
    glVertex3f(0, -30.5f, 20);
    glEnd();
}

// The profile of the jacket's closed top above the pipe end.
void drawJacketTopProfile(float yBase, float insulationRadius) {
    MatrixScope scope;
    glTranslatef(0, yBase, 0);
    glBegin(GL_QUADS);
    glVertex3f(0, 0, 16.85f);
    glVertex3f(0, 0, insulationRadius);
    glVertex3f(0, 1.5f, insulationRadius);
    glVertex3f(0, 1.5f, 15.35f);
    glVertex3f(0, 1.5f, 0);
    glVertex3f(0, 1.5f, insulationRadius);
    glVertex3f(0, 4.5f, insulationRadius);
    glVertex3f(0, 4.5f, 0);
    glEnd();
}

// Red sections of the pipe wall in the cut plane: the back wall is interrupted by the two
// connection holes, the front wall runs through.
void drawWallSections(const SceneState& state, const ChamberHeights& h, float holeRadius) {
    const float rIn = state.pipeInnerRadius, rOut = state.pipeOuterRadius;
    const float yUpper = state.displayHeight;
    drawCutFace(
        state,
        {.yA = yUpper + holeRadius, .yB = h.bodyTop, .zA = -rOut, .zB = -rIn, .shade = cutShade});
    drawCutFace(
        state,
        {.yA = holeRadius, .yB = yUpper - holeRadius, .zA = -rOut, .zB = -rIn, .shade = cutShade});
    drawCutFace(
        state, {.yA = h.bodyBottom, .yB = -holeRadius, .zA = -rOut, .zB = -rIn, .shade = cutShade});
    drawCutFace(state,
                {.yA = h.bodyBottom, .yB = h.bodyTop, .zA = rOut, .zB = rIn, .shade = cutShade});
}

// Sections of the insulation in the cut plane, interrupted at the back by the connections
// and at the front by the slot for the indicator rail.
void drawInsulationSections(const SceneState& state, const ChamberHeights& h, float holeRadius) {
    const float rOut = state.pipeOuterRadius, rIns = rOut + insulationThickness;
    const float yUpper = state.displayHeight;
    const TintScope dark(state, Tint::Dark);
    drawCutFace(state, {.yA = yUpper + holeRadius,
                        .yB = h.bodyTop + 11,
                        .zA = -rIns,
                        .zB = -rOut,
                        .shade = cutShade});
    drawCutFace(
        state,
        {.yA = holeRadius, .yB = yUpper - holeRadius, .zA = -rIns, .zB = -rOut, .shade = cutShade});
    drawCutFace(
        state,
        {.yA = h.bodyBottom, .yB = -holeRadius, .zA = -rIns, .zB = -rOut, .shade = cutShade});
    drawCutFace(state,
                {.yA = h.railTop, .yB = h.bodyTop + 11, .zA = rIns, .zB = rOut, .shade = cutShade});
    drawCutFace(
        state, {.yA = h.bodyBottom, .yB = h.railBottom, .zA = rIns, .zB = rOut, .shade = cutShade});
    // The profiles take the colour the last section left current.
    drawOnBothSides([&] { drawJacketFootProfile(h.bottom + 30, rIns); });
    drawOnBothSides([&] { drawJacketTopProfile(h.bodyTop + 11, rIns); });
}

// The near-black jacket round the pipe with its slot for the rail and closed ends.
void drawInsulationJacket(const SceneState& state, const ChamberHeights& h, float holeRadius,
                          bool full) {
    const float rOut = state.pipeOuterRadius, rIns = rOut + insulationThickness;
    const int n = segmentsFor(full);
    const TintScope dark(state, Tint::Dark);
    if (hasTurnedFittings(state)) {
        // Reaches down over the bottom end fitting and closes above the top fitting.
        const float yLow = h.bodyBottom - 30.5f, yHigh = h.bodyTop + 15.5f;
        DrawChamberWall(state, full,
                        {.slotHalfWidth = insulationSlotHalfWidth,
                         .holeRadius = holeRadius,
                         .radius = rIns,
                         .yBottom = yLow,
                         .yTop = yHigh});
        drawRevolvedStrip(state, n, rIns, 20, yLow, yLow);
        drawRevolvedStrip(state, n, rIns, 0, yHigh, yHigh);
    } else {
        DrawChamberWall(state, full,
                        {.slotHalfWidth = insulationSlotHalfWidth,
                         .holeRadius = holeRadius,
                         .radius = rIns,
                         .yBottom = h.bodyBottom,
                         .yTop = h.bodyTop});
        drawRevolvedStrip(state, n, rIns, rOut, h.bodyBottom, h.bodyBottom);
        drawRevolvedStrip(state, n, rIns, rOut, h.bodyTop, h.bodyTop);
    }
}

// The upper spring hangs down from the top end, the lower one stands on the bottom end.
void drawSprings(const SceneState& state, const ChamberHeights& h, bool full) {
    if (state.springTopVisible) {
        MatrixScope scope;
        glTranslatef(0, hasTurnedFittings(state) ? h.top : h.top - 10, 0);
        glRotatef(180, 1, 0, 0);
        if (hasTurnedFittings(state))
            DrawSmallSpring(state, full);
        else
            DrawLargeSpring(state, full);
    }
    if (state.springBottomVisible) {
        MatrixScope scope;
        if (hasTurnedFittings(state)) {
            glTranslatef(0, h.bottom, 0);
            DrawSmallSpring(state, full);
        } else {
            glTranslatef(0, h.bottom + 10, 0);
            DrawLargeSpring(state, full);
        }
    }
}

// "R-760": turned fittings at both ends, the bottom one with its seal ring and cap.
void drawTurnedEnds(const SceneState& state, const ChamberHeights& h, bool full) {
    {
        MatrixScope scope;
        glTranslatef(0, h.top - 5.5f, 0);
        DrawTopEndFitting(state, full);
    }
    MatrixScope scope;
    glTranslatef(0, h.bottom, 0);
    DrawBottomEndFitting(state, full);
    DrawBottomEndRing(state, full);
    glTranslatef(0, -17, 0);
    DrawBottomEndCap(state, full);
}

// The other types: a dished cap or a bolted cover set on top, a bolted cover set with drain
// plug at the bottom.
void drawBoltedEnds(const SceneState& state,
                    const std::array<PlacedPart, chamberElementCount>& element, bool full) {
    if (hasDishedCap(state)) {
        DrawDishedCap(state, full);
    } else {
        DrawPipeFlangeTop(state, element[cePipeFlangeTop], full);
        DrawCoverTop(state, element[ceCoverTop], full);
        DrawBoltsTop(state, element[ceBoltsTop], full);
        DrawGasketTop(state, element[ceGasketTop], full);
    }
    DrawPipeFlangeBottom(state, element[cePipeFlangeBottom], full);
    DrawCoverBottom(state, element[ceCoverBottom], full);
    DrawDrainPlug(state, element[ceDrainPlug], full);
    DrawPlugGasket(state, element[cePlugGasket], full);
    DrawBoltsBottom(state, element[ceBoltsBottom], full);
    DrawGasketBottom(state, element[ceGasketBottom], full);
}

// One half of a wall section as a quad strip; side +1 draws the kept half x >= 0, -1 its mirror.
void drawWallSectionHalf(float side, float dim, const WallSection& section) {
    // Plain copies rather than a structured binding, which a lambda may not capture in C++20.
    const float slotHalfWidth = section.slotHalfWidth, holeRadius = section.holeRadius;
    const float radius = section.radius, yHole = section.yHole, yFar = section.yFar;
    float shade = 0.2f;
    const auto shadeNextColumn = [&](float growth) {
        grey(shade / dim);
        shade += growth;
    };
    const auto column = [&](float x, float yNear, float z) {
        glVertex3f(side * x, yFar, z);
        glVertex3f(side * x, yNear, z);
    };

    glBegin(GL_QUAD_STRIP);
    // Edge of the front slot.
    shadeNextColumn(0.02f);
    column(slotHalfWidth, yHole, std::sqrt(radius * radius - slotHalfWidth * slotHalfWidth));
    // Front quarter, 0 to 80 degrees, beside the slot.
    for (int i = 0; i <= 8; ++i) {
        shadeNextColumn(0.02f);
        const auto [s, c] = CircleTable[i];
        if (radius * s > slotHalfWidth) column(radius * s, yHole, radius * c);
    }
    // Round to the back as far as the connection hole.
    for (int i = 9; i <= 18 && radius * CircleTable[i].s > holeRadius; ++i) {
        shadeNextColumn(0.02f);
        const auto [s, c] = CircleTable[i];
        column(radius * s, yHole, radius * c);
    }
    // Along the saddle-shaped edge of the hole, ending at x = 0 on the back.
    for (int i = 9; i <= 18; ++i) {
        shadeNextColumn(0.01f);
        const auto [s, c] = CircleTable[i];
        const float x = holeRadius * s;
        const float z = -std::sqrt(radius * radius - x * x);
        const float rise = holeRadius * std::fabs(c);
        column(x, yFar > yHole ? yHole + rise : yHole - rise, z);
    }
    glEnd();
}

} // namespace

ChamberHeights chamberHeights(const SceneState& state) {
    ChamberHeights h;
    h.top = state.displayHeight + state.selectedFloat.chamberAbove;
    h.bottom = -state.selectedFloat.chamberBelow;
    if (hasTurnedFittings(state)) {
        h.bodyBottom = h.bottom + 30;
        h.bodyTop = h.top;
    } else {
        h.bodyBottom = h.bottom + 18;
        h.bodyTop = h.top - 18;
    }
    h.railBottom = static_cast<float>(state.flapStartIndex * 10 - 10);
    h.railTop = static_cast<float>((state.flapStartIndex + state.flapCount) * 10);
    return h;
}

void ConstructChamber(ChamberPart& pipe) {
    static_cast<PlacedPart&>(pipe) = PlacedPart{};
    for (PlacedPart& element : pipe.elements) element = PlacedPart{};
}

void DrawChamberWhole(const SceneState& state, const ChamberPart& pipe) {
    MatrixScope scope;
    applyPose(pipe.pose);
    DrawChamber(state, pipe, true);
}

void DrawChamber(const SceneState& state, const ChamberPart& pipe, bool full) {
    const auto& element = pipe.elements;
    const ChamberHeights h = chamberHeights(state);

    DrawChamberBody(state, element[ceBody], full);

    if (hasTurnedFittings(state))
        drawTurnedEnds(state, h, full);
    else
        drawBoltedEnds(state, element, full);

    if (state.connection.name != "FNull") {
        DrawUpperNozzle(state, element[ceUpperNozzle], full);
        DrawLowerNozzle(state, element[ceLowerNozzle], full);
        DrawUpperConnectionFlange(state, element[ceUpperConnectionFlange], full);
        DrawLowerConnectionFlange(state, element[ceLowerConnectionFlange], full);
    }
}

void DrawChamberBody(const SceneState& state, const PlacedPart& placement, bool full) {
    MatrixScope scope;
    applyPose(placement.pose);
    const ChamberHeights h = chamberHeights(state);
    const float outerHole = state.connection.outerDiameter / 2;
    const float innerHole = state.connection.innerDiameter / 2;

    DrawChamberWall(state, full,
                    {.holeRadius = outerHole,
                     .radius = state.pipeOuterRadius,
                     .yBottom = h.bodyBottom,
                     .yTop = h.bodyTop});
    DrawChamberWall(state, full,
                    {.holeRadius = innerHole,
                     .radius = state.pipeInnerRadius,
                     .yBottom = h.bodyBottom,
                     .yTop = h.bodyTop});
    if (!full) {
        drawWallSections(state, h, outerHole);
        if (state.insulationVisible) drawInsulationSections(state, h, outerHole);
    }
    if (state.insulationVisible) drawInsulationJacket(state, h, outerHole, full);
    drawSprings(state, h, full);
}

void DrawChamberWall(const SceneState& state, bool full, const ChamberWall& wall) {
    const float yUpper = state.displayHeight, yMiddle = state.displayHeight / 2;
    const auto open = [&](float yHole, float yFar) {
        return WallSection{.slotHalfWidth = wall.slotHalfWidth,
                           .holeRadius = wall.holeRadius,
                           .radius = wall.radius,
                           .yHole = yHole,
                           .yFar = yFar};
    };
    if (wall.slotHalfWidth == 0) {
        // Pipe wall: each hole is met by one section from below and one from above.
        constexpr float dim = 1;
        for (const WallSection& section : {open(0, wall.yBottom), open(yUpper, wall.yTop),
                                           open(0, yMiddle), open(yUpper, yMiddle)})
            DrawWallSection(full, dim, section);
        return;
    }
    // Insulation: open at the front over the rail's extent, closed below and above it.
    constexpr float dim = 10;
    const ChamberHeights h = chamberHeights(state);
    const auto closed = [&](float yFrom, float yFar) {
        return WallSection{.holeRadius = 0, .radius = wall.radius, .yHole = yFrom, .yFar = yFar};
    };
    for (const WallSection& section :
         {closed(h.railBottom, wall.yBottom), open(0, h.railBottom), open(yUpper, h.railTop),
          closed(h.railTop, wall.yTop), open(0, yMiddle), open(yUpper, yMiddle)})
        DrawWallSection(full, dim, section);
}

void DrawWallSection(bool full, float dim, const WallSection& section) {
    drawWallSectionHalf(1, dim, section);
    if (full) drawWallSectionHalf(-1, dim, section);
}
