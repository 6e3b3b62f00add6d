#include "geometry/ChamberCut.h"

#include "scene/IndicatorTypes.h"

#include "geometry/ChamberPipe.h"
#include "geometry/Primitives.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace {

// The vertical liquid faces lie just inside the kept half, off the red section faces at x = 0.
constexpr float liquidPlane = 0.1f;

void bodyColour() {
    glColor4f(0, 0, 1, 0.5f);
}
void surfaceColour() {
    glColor4f(0.2f, 0.2f, 1, 0.5f);
}

struct LiquidFrame {
    float level, bottom, innerRadius, nozzleEnd, nozzleRadius;
};

LiquidFrame liquidFrame(const SceneState& state) {
    // The inner floor of the bottom closure: the bore floor of the turned end cap, else the top
    // of the bottom cover's spigot.
    const float chamberBelow = state.selectedFloat.chamberBelow;
    const float bottom = hasTurnedFittings(state) ? -chamberBelow - 2 : -chamberBelow + 11;
    // With the tank shown the liquid runs on into the tank's fitting.
    const float length = state.connection.nozzleLength;
    const float nozzleEnd = state.tankMode != DisplayMode::Off
                                ? -length - 55
                                : -length - (state.pipeOuterRadius - state.pipeInnerRadius);
    return {state.level, bottom, state.pipeInnerRadius, nozzleEnd,
            state.connection.innerDiameter / 2};
}

// Liquid between the float and the wall, below the float's lower dome, and the surface ring
// around the float.
void drawLiquidAroundFloat(const SceneState& state, const LiquidFrame& f) {
    const float fr = state.selectedFloat.outerDiameter / 2;
    const float floatBase = f.level - state.selectedFloat.immersionDepth;

    glBegin(GL_QUADS);
    bodyColour();
    glVertex3f(liquidPlane, f.level, f.innerRadius);
    glVertex3f(liquidPlane, f.bottom, f.innerRadius);
    glVertex3f(liquidPlane, f.bottom, fr);
    glVertex3f(liquidPlane, f.level, fr);

    glVertex3f(liquidPlane, f.level, -f.innerRadius);
    glVertex3f(liquidPlane, f.bottom, -f.innerRadius);
    glVertex3f(liquidPlane, f.bottom, -fr);
    glVertex3f(liquidPlane, f.level, -fr);
    glEnd();

    // Upper edge follows the outline of the float's lower dome, of half-height fr/2.
    glBegin(GL_QUAD_STRIP);
    bodyColour();
    for (int i = 9; i <= 29; ++i) {
        const auto [s, c] = CircleTable[i];
        glVertex3f(liquidPlane, floatBase + fr * c / 2, fr * s);
        glVertex3f(liquidPlane, f.bottom, fr * s);
    }
    glEnd();

    glBegin(GL_QUAD_STRIP);
    surfaceColour();
    for (int i = 0; i <= 18; ++i) {
        const auto [s, c] = CircleTable[i];
        glVertex3f(f.innerRadius * s, f.level, f.innerRadius * c);
        glVertex3f(fr * s, f.level, fr * c);
    }
    glEnd();
}

void drawLiquidColumn(const LiquidFrame& f) {
    glBegin(GL_QUADS);
    bodyColour();
    glVertex3f(liquidPlane, f.level, f.innerRadius);
    glVertex3f(liquidPlane, f.level, -f.innerRadius);
    glVertex3f(liquidPlane, f.bottom, -f.innerRadius);
    glVertex3f(liquidPlane, f.bottom, f.innerRadius);
    glEnd();

    glBegin(GL_TRIANGLE_FAN);
    surfaceColour();
    glVertex3f(0, f.level, 0);
    for (int i = 0; i <= 18; ++i) {
        const auto [s, c] = CircleTable[i];
        glVertex3f(f.innerRadius * s, f.level, f.innerRadius * c);
    }
    glEnd();
}

// The liquid standing in the nozzle whose bore is centred at height centre.
void drawNozzleLiquid(const LiquidFrame& f, float centre) {
    const float ri = f.nozzleRadius;
    const float yTop = std::min(f.level, centre + ri);
    if (yTop <= centre - ri) return;

    glBegin(GL_QUADS);
    bodyColour();
    glVertex3f(liquidPlane, yTop, f.nozzleEnd);
    glVertex3f(liquidPlane, yTop, -f.innerRadius);
    glVertex3f(liquidPlane, centre - ri, -f.innerRadius);
    glVertex3f(liquidPlane, centre - ri, f.nozzleEnd);
    glEnd();

    // The surface from the cut plane to the side of the bore, ending on the chamber wall.
    // A full nozzle gives width zero; rounding in yTop - centre must not push the radicand
    // below zero.
    const float height = yTop - centre;
    const float w = std::sqrt(std::max(0.0f, ri * ri - height * height));
    glBegin(GL_QUADS);
    surfaceColour();
    glVertex3f(w, yTop, f.nozzleEnd);
    glVertex3f(w, yTop, -std::sqrt(f.innerRadius * f.innerRadius - w * w));
    glVertex3f(liquidPlane, yTop, -f.innerRadius);
    glVertex3f(liquidPlane, yTop, f.nozzleEnd);
    glEnd();
}

} // namespace

void DrawChamberCut(const SceneState& state, const ChamberPart& pipe, bool floatShown) {
    MatrixScope scope;
    applyPose(pipe.pose);
    DrawChamber(state, pipe, false);

    const LiquidFrame frame = liquidFrame(state);
    const BlendScope translucent;
    if (floatShown)
        drawLiquidAroundFloat(state, frame);
    else
        drawLiquidColumn(frame);
    drawNozzleLiquid(frame, 0);
    drawNozzleLiquid(frame, state.displayHeight);
}
