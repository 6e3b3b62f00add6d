#include "overlay/gl/Readouts.h"

#include "geometry/Primitives.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// Nearest integer, halves to even. A ratio can be non-finite or huge when the display height is
// zero or tiny; converting such a value to an integer is undefined, so NaN gives 0 and anything
// beyond the 64-bit range saturates at its ends.
std::int64_t roundHalfEven(double value) {
    if (std::isnan(value)) return 0;
    const double rounded = std::nearbyint(value);
    constexpr double limit = 9223372036854775808.0; // 2^63
    if (rounded >= limit) return std::numeric_limits<std::int64_t>::max();
    if (rounded < -limit) return std::numeric_limits<std::int64_t>::min();
    return std::int64_t(rounded);
}

double levelRatio(const SceneState& state) {
    return double(state.level) / double(state.displayHeight);
}

// A quad whose first two corners carry one colour and the last two another.
void shadedQuad(float z, float x0, float y0, float x1, float y1, float x2, float y2, float x3,
                float y3, float firstShade, float secondShade) {
    glBegin(GL_QUADS);
    grey(firstShade);
    glVertex3f(x0, y0, z);
    glVertex3f(x1, y1, z);
    grey(secondShade);
    glVertex3f(x2, y2, z);
    glVertex3f(x3, y3, z);
    glEnd();
}

void drawGauge(float bar) {
    glBegin(GL_QUADS);
    // Empty part, from the level up to the top of the gauge.
    glColor3f(0.2f, 0.2f, 0);
    glVertex3f(25, bar, -1);
    glVertex3f(10, bar, -1);
    glColor3f(0.4f, 0.4f, 0);
    glVertex3f(10, 50, -1);
    glVertex3f(25, 50, -1);
    // Filled part, from the level down to the bottom.
    glColor3f(1, 1, 0);
    glVertex3f(25, bar, -1);
    glVertex3f(10, bar, -1);
    glColor3f(0.8f, 0.8f, 0);
    glVertex3f(10, 0, -1);
    glVertex3f(25, 0, -1);
    glEnd();
}

void drawTextWindow() {
    shadedQuad(-2, 0, 10, -45, 10, -45, 35, 0, 35, 0.8f, 0.6f);
    glBegin(GL_QUADS);
    glColor3f(0, 0, 0);
    glVertex3f(-2, 12, -1);
    glVertex3f(-43, 12, -1);
    glVertex3f(-43, 33, -1);
    glVertex3f(-2, 33, -1);
    glEnd();
}

// The percentage, ten units high, centred on x = -23.
void drawPercentText(std::int64_t percent) {
    const std::string text = std::to_string(percent) + "%";
    glTranslatef(-23, 18, 0);
    glScalef(10, 10, 10);
    glTranslatef(-float(text.size()) / 2, 0, 0);
    glColor3f(1, 0.3f, 0.3f);
    OutText(text);
}

} // namespace

void OutText(const std::string& text) {
    glPushMatrix();
    for (const unsigned char code : text) {
        glCallList(code);
        glTranslatef(1, 0, 0);
    }
    glPopMatrix();
}

void DrawTransmitterReadout(const SceneState& state, float anchorX) {
    glPushMatrix();
    glTranslatef(anchorX, 135, -1500);
    const double ratio = levelRatio(state);
    const float bar = float(roundHalfEven(ratio * 50));

    shadedQuad(-3, -50, -10, 35, -10, 35, 60, -50, 60, 0.4f, 0.6f); // panel
    shadedQuad(-2, 8, -2, 27, -2, 27, 52, 8, 52, 0.7f, 0.5f);       // gauge well
    drawGauge(bar);
    drawTextWindow();
    drawPercentText(roundHalfEven(ratio * 100));
    glPopMatrix();
}

void DrawSwitchReadout(bool tripped, float row, float anchorX) {
    glPushMatrix();
    glTranslatef(anchorX, 35 * row + 90, 0);
    glTranslatef(0, 0, -1500);

    shadedQuad(-3, -50, 0, 35, 0, 35, 35, -50, 35, 0.4f, 0.6f); // panel
    shadedQuad(-2, 2, 8, -17, 8, -17, 27, 2, 27, 0.7f, 0.5f);   // left well
    shadedQuad(-2, 8, 8, 27, 8, 27, 27, 8, 27, 0.7f, 0.5f);     // right well

    // Symbols 16 units square: "on" in the right well, "off" in the left, tinted by the state.
    glTranslatef(9.5f, 9, 0);
    glScalef(16, 16, 16);
    if (tripped)
        glColor3f(1, 0.5f, 0.5f);
    else
        glColor3f(0.5f, 1, 1);
    glCallList(switchOnList);
    glTranslatef(-1.6f, 0, 0);
    glCallList(switchOffList);

    // The switch point's label: 80 % for the upper switch (row 0), 20 % for the lower (row -1).
    glTranslatef(-1.6f, 0, 0);
    glColor3f(1, 1, 1);
    glCallList(GLuint(std::int64_t(label80List) + roundHalfEven(row)));
    glPopMatrix();
}
