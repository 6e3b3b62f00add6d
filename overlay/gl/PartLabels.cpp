#include "overlay/gl/PartLabels.h"

#include <GL/gl.h>

#include <cmath>

namespace {

// The leader line's half width and the half size of the square at its end, at scale 1.
constexpr float lineHalfWidth = 0.35f;
constexpr float dotHalfSize = 1.2f;

// Scope guards for the labels: drawn filled and over everything, then GL as it was.
class DepthTestOff : ScopeGuard {
  public:
    DepthTestOff() : wasOn(glIsEnabled(GL_DEPTH_TEST) == GL_TRUE) { glDisable(GL_DEPTH_TEST); }
    ~DepthTestOff() {
        if (wasOn) glEnable(GL_DEPTH_TEST);
    }

  private:
    bool wasOn;
};

class FilledPolygons : ScopeGuard {
  public:
    explicit FilledPolygons(int mode) : mode(mode) {
        if (mode != GL_FILL) glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    }
    ~FilledPolygons() {
        if (mode != GL_FILL) glPolygonMode(GL_FRONT_AND_BACK, GLenum(mode));
    }

  private:
    int mode;
};

void vertex(PlanePoint p) {
    glVertex3f(p.x, p.y, 0);
}

// Leader lines dark on a light background and light on a dark one.
float lineGrey(const SceneState& state) {
    const float luminance =
        0.3f * state.backgroundRed + 0.59f * state.backgroundGreen + 0.11f * state.backgroundBlue;
    return luminance > 0.5f ? 0.1f : 0.9f;
}

// Thin quads from the panel to each anchor, with a small square on the anchor.
void drawLeaderLines(const PlacedLabel& label, float shade) {
    const float scale = label.scale;
    grey(shade);
    glBegin(GL_QUADS);
    for (const PlanePoint& to : label.anchors) {
        const PlanePoint from = lineStart(label, to);
        const float dx = to.x - from.x, dy = to.y - from.y;
        const float length = std::hypot(dx, dy);
        if (length > 0) {
            const float nx = -dy / length * lineHalfWidth * scale;
            const float ny = dx / length * lineHalfWidth * scale;
            vertex({from.x + nx, from.y + ny});
            vertex({to.x + nx, to.y + ny});
            vertex({to.x - nx, to.y - ny});
            vertex({from.x - nx, from.y - ny});
        }
        const float d = dotHalfSize * scale;
        vertex({to.x - d, to.y - d});
        vertex({to.x + d, to.y - d});
        vertex({to.x + d, to.y + d});
        vertex({to.x - d, to.y + d});
    }
    glEnd();
}

// A grey frame, lighter at the top like the read-outs' panels, round a black text window with
// the text in white.
void drawPanel(const PlacedLabel& label) {
    const float scale = label.scale;
    const float x0 = label.left, x1 = label.left + label.width;
    const float y0 = label.bottom, y1 = label.bottom + label.height;
    const float f = labelFrame * scale;
    glBegin(GL_QUADS);
    grey(0.45f);
    vertex({x0, y0});
    vertex({x1, y0});
    grey(0.7f);
    vertex({x1, y1});
    vertex({x0, y1});
    glColor3f(0, 0, 0);
    vertex({x0 + f, y0 + f});
    vertex({x1 - f, y0 + f});
    vertex({x1 - f, y1 - f});
    vertex({x0 + f, y1 - f});
    glEnd();

    MatrixScope scope;
    const float inset = (labelFrame + labelTextMargin) * scale;
    glTranslatef(x0 + inset, y0 + inset, 0);
    const float cell = labelCell * scale;
    glScalef(cell, cell, cell);
    glColor3f(1, 1, 1);
    for (const unsigned char code : label.text) {
        glCallList(code);
        glTranslatef(labelAdvance, 0, 0);
    }
}

// Runs `draw` in the plane of the read-outs, filled and over everything, then flushes.
template <class Draw> void inLabelPlane(const SceneState& state, Draw draw) {
    {
        const DepthTestOff overEverything;
        const FilledPolygons filled(state.polygonMode);
        MatrixScope scope;
        glTranslatef(0, 0, -labelPlaneDepth);
        draw();
    }
    glFlush();
}

} // namespace

void DrawPartLabels(const SceneState& state, const std::vector<PlacedLabel>& labels) {
    if (labels.empty()) return;
    inLabelPlane(state, [&] {
        for (const PlacedLabel& label : labels) drawLeaderLines(label, lineGrey(state));
        for (const PlacedLabel& label : labels) drawPanel(label);
    });
}

void DrawViewTitle(const SceneState& state, const PlacedLabel& title) {
    inLabelPlane(state, [&] { drawPanel(title); });
}
