// Trigonometric tables and the shared solids every round or hexagonal part is drawn from.
// Shading is baked into per-vertex colours; the tint flags of the scene state recolour cut
// faces and revolved strips around gaskets (green) and insulation (dark).
#pragma once

#include "scene/SceneState.h"

#include <array>
#include <functional>

struct SinCos {
    float s, c;
};

// Entry i holds sin and cos of 10*i degrees; entry 36 closes the circle. Angle 0 points along +Z.
extern const std::array<SinCos, 37>& CircleTable;

struct SpherePoint {
    float x, y, z;
};

// [i][j] = (sin(10i)cos(10j), cos(10i)cos(10j), sin(10j)): longitude i, latitude j.
extern const std::array<std::array<SpherePoint, 37>, 37>& SphereTable;

enum class HexPalette { Grey, Brass };

// Every drawing routine takes the whole-or-cut choice as `full`: true draws the element whole,
// false only its half x >= 0, as the cut-away view shows it. Segments of a round element: 36 for
// the whole circle, 18 for the half.
constexpr int segmentsFor(bool full) {
    return full ? 36 : 18;
}

// Steps of 10 degrees between angle index i and the front (index 0), either way round: 0..18.
int stepsFromFront(int i);
// Grey level of a revolved surface at angle index i: 0.7 at the front, darkest at the back.
float revolvedGrey(int i);
// The reverse shading, darkest at the front: 0.3 there, rising towards the back.
float backLitGrey(int i);

// Sets the current colour to the grey of this level.
void grey(float level);

struct Point3 {
    float x, y, z;
};

// Between glBegin(GL_QUADS) and glEnd: one quad a0, a1, b0, b1 whose edge a0-a1 has the grey
// shadeA and whose edge b0-b1 the grey shadeB.
void greyQuad(float shadeA, Point3 a0, Point3 a1, float shadeB, Point3 b0, Point3 b1);

// X and Z of the point at 45 degrees on a circle of this radius: where a bolt or a bolt hole
// sits on the bolt circle.
float diagonalOffset(float radius);

// The dome of a cable gland, radius 8 and height 4, on a nut face at height base, bulging up
// (direction 1) or down (-1); always complete, in the current colour.
void drawGlandDome(float base, float direction);

// A flange face is drawn a quarter at a time, turning 90 degrees about Y after each: four
// quarters for the whole view, the two on the +X side for the cut-away view.
void forEachFlangeQuarter(bool full, const std::function<void()>& drawQuarter);

// A section face in the plane x = 0 over the heights yA..yB and the depths zA..zB: the edge at
// yA in the section colour (red, or the tint's), the edge at yB darkened by shade - 0.4.
struct CutFace {
    float yA, yB;
    float zA, zB;
    float shade;
};
void drawCutFace(const SceneState& state, const CutFace& face);

// The surface swept round the Y axis by the line from (radiusA, heightA) to (radiusB, heightB),
// over the first `segments` steps of 10 degrees from +Z.
void drawRevolvedStrip(const SceneState& state, int segments, float radiusA, float radiusB,
                       float heightA, float heightB);

// The revolved solids round a vertical axis through (centreX, centreZ), the local Y axis unless
// a centre is given: a flat ring (a disc when one radius is 0) and a cylinder wall.
struct Ring {
    float centreX = 0, centreZ = 0;
    float height;
    float radiusA, radiusB;
};
struct Tube {
    float centreX = 0, centreZ = 0;
    float heightA, heightB;
    float radius;
};
void drawRing(const SceneState& state, int segments, const Ring& ring);
void drawTube(const SceneState& state, int segments, const Tube& tube);

// Hexagons by their corner radius, a corner at +Z; `full` draws six faces, otherwise the three
// of the half x >= 0. A strip between two hexagons, a flat cap, and the side faces.
void drawHexStrip(bool full, float radiusA, float radiusB, float heightA, float heightB,
                  HexPalette palette);
struct HexCap {
    float centreX = 0, centreZ = 0;
    float height;
    float radius;
};
struct HexSide {
    float centreX = 0, centreZ = 0;
    float heightA, heightB;
    float radius;
};
void drawHexCap(bool full, const HexCap& cap, HexPalette palette);
void drawHexSide(bool full, const HexSide& side, HexPalette palette);

// Translate by the pose's position, then rotate about X, Y and Z.
void applyPose(const Pose& pose);

// The scope guards below change GL or tint state for their lifetime and put it back on every
// exit path; they cannot be copied, so the state is put back exactly once.
class ScopeGuard {
  public:
    ScopeGuard() = default;
    ScopeGuard(const ScopeGuard&) = delete;
    ScopeGuard& operator=(const ScopeGuard&) = delete;
};

// Pushes the model-view matrix for its lifetime, so every exit path pops it again.
class MatrixScope : ScopeGuard {
  public:
    MatrixScope();
    ~MatrixScope();
};

enum class Tint { Green, Dark };

// Sets one tint flag of the state for its lifetime and gives it back its previous value on
// every exit path, so that no tint outlives the gasket or insulation it belongs to.
class TintScope : ScopeGuard {
  public:
    TintScope(const SceneState& state, Tint tint);
    ~TintScope();

  private:
    bool& flag;
    bool previous;
};

// Blending with (source alpha, one minus source alpha) for its lifetime, around a translucent
// element or a run of them; every exit path puts blending back as it was (off, unless a scope
// around this one blends).
class BlendScope : ScopeGuard {
  public:
    BlendScope();
    ~BlendScope();

  private:
    bool wasOn;
};
