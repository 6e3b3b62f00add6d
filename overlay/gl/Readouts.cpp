#include "overlay/gl/Readouts.h"

#include "geometry/Primitives.h"

#include <GL/gl.h>

#include <array>
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

// A grey rectangle at depth z, corners (x0, y0), (x1, y0), (x1, y1), (x0, y1); the edge at y0
// has one shade, the edge at y1 another.
struct ShadedRect {
    float z;
    float x0, x1;
    float y0, y1;
    float shadeAtY0, shadeAtY1;
};

void drawShadedRect(const ShadedRect& r) {
    glBegin(GL_QUADS);
    grey(r.shadeAtY0);
    glVertex3f(r.x0, r.y0, r.z);
    glVertex3f(r.x1, r.y0, r.z);
    grey(r.shadeAtY1);
    glVertex3f(r.x1, r.y1, r.z);
    glVertex3f(r.x0, r.y1, r.z);
    glEnd();
}

using Rgb = std::array<float, 3>;

// The bar of the gauge: from the level up to the top dark, from the level down to the foot lit.
void drawGauge(float bar) {
    const auto part = [bar](float yEnd, const Rgb& atLevel, const Rgb& atEnd) {
        glColor3f(atLevel[0], atLevel[1], atLevel[2]);
        glVertex3f(25, bar, -1);
        glVertex3f(10, bar, -1);
        glColor3f(atEnd[0], atEnd[1], atEnd[2]);
        glVertex3f(10, yEnd, -1);
        glVertex3f(25, yEnd, -1);
    };
    glBegin(GL_QUADS);
    part(50, {0.2f, 0.2f, 0}, {0.4f, 0.4f, 0}); // empty
    part(0, {1, 1, 0}, {0.8f, 0.8f, 0});        // filled
    glEnd();
}

void drawTextWindow() {
    drawShadedRect(
        {.z = -2, .x0 = 0, .x1 = -45, .y0 = 10, .y1 = 35, .shadeAtY0 = 0.8f, .shadeAtY1 = 0.6f});
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
    MatrixScope scope;
    for (const unsigned char code : text) {
        glCallList(code);
        glTranslatef(1, 0, 0);
    }
}

void DrawTransmitterReadout(const SceneState& state, float anchorX) {
    MatrixScope scope;
    glTranslatef(anchorX, 135, -1500);
    const double ratio = levelRatio(state);
    const float bar = float(roundHalfEven(ratio * 50));

    // panel
    drawShadedRect(
        {.z = -3, .x0 = -50, .x1 = 35, .y0 = -10, .y1 = 60, .shadeAtY0 = 0.4f, .shadeAtY1 = 0.6f});
    // gauge well
    drawShadedRect(
        {.z = -2, .x0 = 8, .x1 = 27, .y0 = -2, .y1 = 52, .shadeAtY0 = 0.7f, .shadeAtY1 = 0.5f});
    drawGauge(bar);
    drawTextWindow();
    drawPercentText(roundHalfEven(ratio * 100));
}

void DrawSwitchReadout(bool tripped, float row, float anchorX) {
    MatrixScope scope;
    glTranslatef(anchorX, 35 * row + 90, 0);
    glTranslatef(0, 0, -1500);

    // panel
    drawShadedRect(
        {.z = -3, .x0 = -50, .x1 = 35, .y0 = 0, .y1 = 35, .shadeAtY0 = 0.4f, .shadeAtY1 = 0.6f});
    // left well
    drawShadedRect(
        {.z = -2, .x0 = 2, .x1 = -17, .y0 = 8, .y1 = 27, .shadeAtY0 = 0.7f, .shadeAtY1 = 0.5f});
    // right well
    drawShadedRect(
        {.z = -2, .x0 = 8, .x1 = 27, .y0 = 8, .y1 = 27, .shadeAtY0 = 0.7f, .shadeAtY1 = 0.5f});

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
}
