#include "geometry/Springs.h"

#include "geometry/Primitives.h"

#include <GL/gl.h>

namespace {

// The helix rises 0.1 per 10-degree step, 37 steps per turn.
constexpr float risePerStep = 0.1f;

} // namespace

void DrawSmallSpring(const SceneState& state, bool full) {
    DrawSpring(state, 4, full, 10);
}

void DrawLargeSpring(const SceneState& state, bool full) {
    DrawSpring(state, 5, full, 20);
}

void DrawSpring(const SceneState& state, int turns, bool full, float radius) {
    const float outside = radius + 0.5f, inside = radius - 0.5f;
    DrawSpringLayer(state, turns, full, true, -0.5f, 0.5f, outside, outside);
    DrawSpringLayer(state, turns, full, false, -0.5f, 0.5f, inside, inside);
    DrawSpringLayer(state, turns, full, false, -0.5f, -0.5f, inside, outside);
    DrawSpringLayer(state, turns, full, false, 0.5f, 0.5f, inside, outside);
}

void DrawSpringLayer(const SceneState& state, int turns, bool full, bool marked, float lowOffset,
                     float highOffset, float radiusInner, float radiusOuter) {
    float h = 0;
    // The wire's start is capped before the strip begins: no section may be drawn inside it.
    if (marked) DrawWireSection(h + lowOffset + 0.5f, radiusOuter - 0.5f);
    glBegin(GL_QUAD_STRIP);
    bool inStrip = true;
    for (int turn = 1; turn <= turns; ++turn) {
        for (int j = 0; j <= 36; ++j) {
            // The cut-away view keeps each turn's half on the +X side, 0 to 180 degrees, and
            // caps the wire where it meets the cut plane.
            if (!full && j == 19) {
                glEnd();
                inStrip = false;
                if (marked) DrawWireSection(h + lowOffset + 0.5f, 0.5f - radiusOuter);
            }
            if (!full && j == 36) {
                if (marked && turn < turns)
                    DrawWireSection(h + lowOffset + 0.5f, radiusOuter - 0.5f);
                glBegin(GL_QUAD_STRIP);
                inStrip = true;
            }
            if (inStrip) {
                const auto [s, c] = CircleTable[j];
                float g = revolvedGrey(j);
                if (state.darkTint) g /= 6;
                grey(g);
                glVertex3f(radiusOuter * s, h + highOffset, radiusOuter * c);
                glVertex3f(radiusInner * s, h + lowOffset, radiusInner * c);
            }
            h += risePerStep;
        }
    }
    glEnd();
}

void DrawWireSection(float y, float z) {
    glBegin(GL_QUADS);
    glColor3f(1, 0.2f, 0.2f);
    glVertex3f(0, y - 0.5f, z - 0.5f);
    glVertex3f(0, y - 0.5f, z + 0.5f);
    glVertex3f(0, y + 0.5f, z + 0.5f);
    glVertex3f(0, y + 0.5f, z - 0.5f);
    glEnd();
}
