// The layer's GL 1.1 calls against the recording of its ES calls: what reaches ES, in which
// batches and with which state.
#include "LayerFixture.h"
#include "gles/Matrix.h"

#include <GL/glu.h>

#include <algorithm>
#include <cmath>

using esdouble::es;

namespace {

std::array<float, 4> colourOf(const gles::Vertex& v) {
    return {v.colour[0], v.colour[1], v.colour[2], v.colour[3]};
}

std::array<float, 4> positionOf(const gles::Vertex& v) {
    return {v.position[0], v.position[1], v.position[2], v.position[3]};
}

} // namespace

TEST(LayerStart, AMissingFunctionOrAFailingShaderKeepsTheLayerFromStarting) {
    std::vector<std::string> reports;
    const auto sink = [&](const std::string& message) { reports.push_back(message); };

    esdouble::resetRecording();
    es().withheld = {"glDrawElements", "glBlendFunc"};
    EXPECT_FALSE(gles::StartLayer(esdouble::recordingProcAddress, sink));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("glBlendFunc"), std::string::npos) << reports[0];
    EXPECT_NE(reports[0].find("glDrawElements"), std::string::npos) << reports[0];

    esdouble::resetRecording();
    es().shadersFail = true;
    reports.clear();
    EXPECT_FALSE(gles::StartLayer(esdouble::recordingProcAddress, sink));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("syntax error"), std::string::npos) << reports[0];
    EXPECT_TRUE(es().liveObjects.empty()) << "nothing is left behind";

    // Without a started layer the GL calls do nothing.
    unitQuad(0, 0);
    glFlush();
    EXPECT_EQ(es().count("glDrawElements"), 0);
}

TEST_F(LayerTest, StoppingDrawsWhatIsPendingAndFreesEveryObject) {
    unitQuad(0, 0);
    gles::StopLayer();
    EXPECT_EQ(es().draws.size(), 1u);
    EXPECT_TRUE(es().liveObjects.empty());
}

// GL clamps fixed-function colours; the geometry hands over values beyond 0 .. 1.
TEST_F(LayerTest, ColoursAreClampedAsGLClampsThem) {
    glBegin(GL_POINTS);
    glColor3f(1.5f, -0.25f, 0.5f);
    glVertex3f(0, 0, 0);
    glColor4f(0.2f, 3, 0, 7);
    glVertex3f(0, 0, 0);
    glColor4f(NAN, 0.5f, INFINITY, -INFINITY);
    glVertex3f(0, 0, 0);
    glEnd();
    const auto draws = drawn();
    ASSERT_EQ(draws.size(), 1u);
    ASSERT_EQ(draws[0].vertices.size(), 3u);
    EXPECT_EQ(colourOf(draws[0].vertices[0]), (std::array<float, 4>{1, 0, 0.5f, 1}));
    EXPECT_EQ(colourOf(draws[0].vertices[1]), (std::array<float, 4>{0.2f, 1, 0, 1}));
    EXPECT_EQ(colourOf(draws[0].vertices[2]), (std::array<float, 4>{0, 0.5f, 1, 0}));
}

// Vertices reach ES in clip coordinates: projection times model-view, each of its own stack.
TEST_F(LayerTest, VerticesArriveTransformedByBothStacks) {
    glMatrixMode(GL_PROJECTION);
    gluPerspective(15, 2, 1000, 10000);
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(0, 0, -2000);
    glPushMatrix();
    glRotatef(90, 0, 0, 1);
    glScalef(10, 10, 10);
    glBegin(GL_POINTS);
    glVertex3f(1, 0, 0); // -> (0, 10, -2000) in eye space
    glEnd();
    glPopMatrix();
    glBegin(GL_POINTS);
    glVertex3f(1, 0, 0); // the pop undid rotation and scale
    glEnd();
    const auto draws = drawn();
    ASSERT_EQ(draws.size(), 1u);
    const gles::Matrix p = gles::perspective(15, 2, 1000, 10000);
    const auto expected = [&](float x, float y) { return gles::transformPoint(p, x, y, -2000); };
    const auto first = positionOf(draws[0].vertices[0]), second = positionOf(draws[0].vertices[1]);
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(first[i], expected(0, 10)[i], 1e-3f) << i;
        EXPECT_NEAR(second[i], expected(1, 0)[i], 1e-3f) << i;
    }
}

// Primitives of one state share a draw call; a change of blending, depth test or polygon mode
// starts a new one, in the order GL 1.1 draws them.
TEST_F(LayerTest, BatchesMergeOnlyWhereTheStateIsTheSame) {
    glEnable(GL_DEPTH_TEST);
    unitQuad(0, 0);
    glColor3f(1, 0, 0); // colours and matrices travel with the vertices
    glTranslatef(5, 0, 0);
    unitQuad(0, 0);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0, 0, 1, 0.5f);
    unitQuad(1, 1);
    glDisable(GL_BLEND);
    unitQuad(2, 2);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    unitQuad(3, 3);
    glDisable(GL_DEPTH_TEST);
    unitQuad(4, 4);

    const auto draws = drawn();
    ASSERT_EQ(draws.size(), 5u);
    EXPECT_EQ(draws[0].mode, GLenum(GL_TRIANGLES));
    EXPECT_EQ(draws[0].vertices.size(), 12u) << "two quads, one call";
    EXPECT_FALSE(draws[0].blend);
    EXPECT_TRUE(draws[1].blend);
    EXPECT_EQ(draws[1].blendSource, GLenum(GL_SRC_ALPHA));
    EXPECT_EQ(draws[1].blendDestination, GLenum(GL_ONE_MINUS_SRC_ALPHA));
    EXPECT_EQ(draws[1].vertices[0].colour[3], 0.5f);
    EXPECT_FALSE(draws[2].blend);
    EXPECT_EQ(draws[3].mode, GLenum(GL_LINES));
    EXPECT_EQ(draws[3].vertices.size(), 8u) << "the quad's outline";
    EXPECT_TRUE(draws[3].depthTest);
    EXPECT_FALSE(draws[4].depthTest);
    EXPECT_EQ(es().count("glBufferSubData"), 2) << "vertices and indices uploaded once";
}

// A clear, a viewport change and glFlush draw everything before them first.
TEST_F(LayerTest, WhatWasDrawnReachesESBeforeAClearOrAViewportChange) {
    unitQuad(0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    unitQuad(0, 0);
    glViewport(0, 0, 64, 48);
    unitQuad(0, 0);
    glFlush();
    const auto& calls = es().calls;
    const std::size_t firstDraw = es().find("glDrawElements");
    const std::size_t clear = es().find("glClear");
    const std::size_t secondDraw = es().find("glDrawElements", firstDraw + 1);
    const std::size_t viewport = es().find("glViewport");
    const std::size_t thirdDraw = es().find("glDrawElements", secondDraw + 1);
    EXPECT_LT(firstDraw, clear);
    EXPECT_LT(clear, secondDraw);
    EXPECT_LT(secondDraw, viewport);
    EXPECT_LT(viewport, thirdDraw);
    EXPECT_LT(thirdDraw, es().find("glFlush"));
    EXPECT_EQ(calls.back(), "glFlush");
    EXPECT_EQ(es().clears, (std::vector<GLbitfield>{GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT}));
    EXPECT_EQ(es().viewports.back(), (std::array<GLint, 4>{0, 0, 64, 48}));
}

// The font's way: a texture object with linear filtering, three components from RGBA texels,
// drawn modulated. A texture without a complete image draws untextured, as GL 1.1 does.
TEST_F(LayerTest, TexturesAreUploadedOnceAndBoundForTheirDraws) {
    const std::uint8_t texels[2 * 2 * 4] = {10, 20, 30, 0, 40,  50,  60,  0,
                                            70, 80, 90, 0, 100, 110, 120, 0};
    GLuint names[2] = {};
    glGenTextures(2, names);
    EXPECT_NE(names[0], names[1]);
    glBindTexture(GL_TEXTURE_2D, names[0]);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);
    glEnable(GL_TEXTURE_2D);
    unitQuad(0, 0); // the default filter needs mipmaps: incomplete, untextured
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    unitQuad(0, 0);
    glBindTexture(GL_TEXTURE_2D, names[1]); // never given an image
    unitQuad(0, 0);
    const auto draws = drawn();

    ASSERT_EQ(draws.size(), 3u);
    EXPECT_FALSE(draws[0].textured);
    EXPECT_TRUE(draws[1].textured);
    EXPECT_FALSE(draws[2].textured);
    const esdouble::Texture& texture = es().textures.at(draws[1].texture);
    EXPECT_EQ(texture.width, 2);
    ASSERT_EQ(texture.texels.size(), 16u);
    EXPECT_EQ(texture.texels[4], 40);
    EXPECT_EQ(texture.texels[3], 255) << "three components: alpha reads as 1";
    EXPECT_EQ(texture.parameters.at(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    EXPECT_EQ(texture.parameters.at(GL_TEXTURE_WRAP_S), GL_REPEAT);
    EXPECT_EQ(es().count("glTexImage2D"), 1);
    EXPECT_TRUE(reports.empty()) << reports.front();
}

// Changing a texture's image draws what was drawn with the old one first.
TEST_F(LayerTest, ATextureChangeDrawsThePendingPrimitivesFirst) {
    const std::uint8_t red[4] = {255, 0, 0, 255};
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, red);
    glEnable(GL_TEXTURE_2D);
    unitQuad(0, 0);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, red);
    const std::size_t draw = es().find("glDrawElements");
    const std::size_t firstUpload = es().find("glTexImage2D");
    EXPECT_LT(firstUpload, draw);
    EXPECT_LT(draw, es().find("glTexImage2D", firstUpload + 1));
}

// Lists keep their calls, including the texture image as it was when the list was compiled, and
// run them at glCallList on the state of that moment; compiling draws nothing.
TEST_F(LayerTest, DisplayListsReplayTheirCallsWhereTheyAreCalled) {
    std::uint8_t texels[4] = {200, 100, 50, 0};
    const GLuint first = glGenLists(2);
    EXPECT_NE(first, 0u);
    EXPECT_EQ(glGenLists(1), first + 2) << "a range no list uses";
    glNewList(first, GL_COMPILE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);
    glColor3f(0, 1, 0);
    unitQuad(0, 0);
    glTranslatef(10, 0, 0);
    glEndList();
    glNewList(first + 1, GL_COMPILE);
    glCallList(first);
    glCallList(first);
    glEndList();
    texels[0] = 0; // GL copied the image
    EXPECT_TRUE(drawn().empty());

    glColor3f(1, 1, 1);
    glBegin(GL_POINTS);
    glVertex3f(0, 0, 0);
    glEnd();
    glCallList(first + 1);
    glCallList(999); // never defined: nothing
    glBegin(GL_POINTS);
    glVertex3f(0, 0, 0); // after the two calls: green, moved by 20
    glEnd();
    // The list's texture image draws what came before it, so each quad is a draw of its own.
    const auto draws = drawn();
    ASSERT_EQ(draws.size(), 4u);
    EXPECT_EQ(colourOf(draws[0].vertices[0]), (std::array<float, 4>{1, 1, 1, 1}));
    EXPECT_EQ(draws[1].vertices.size(), 6u);
    EXPECT_EQ(draws[1].vertices[0].position[0], 0);
    EXPECT_EQ(draws[2].vertices[0].position[0], 10);
    EXPECT_EQ(colourOf(draws[3].vertices[0]), (std::array<float, 4>{0, 1, 0, 1}));
    EXPECT_EQ(draws[3].vertices[0].position[0], 20);
    EXPECT_EQ(es().textures.begin()->second.texels[0], 200);
}

// What the layer does not carry out it says, once, and leaves GL's state as GL would.
TEST_F(LayerTest, UnsupportedCallsAreReportedOnceAndDrawNothingWrong) {
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHTING);
    glBegin(0x20);
    glVertex3f(0, 0, 0);
    glEnd();
    glMatrixMode(GL_TEXTURE);
    glPolygonMode(GL_FRONT, GL_LINE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE, 1, 1, 0, GL_LUMINANCE, GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glNewList(1, GL_COMPILE_AND_EXECUTE);
    glBegin(GL_QUADS);
    glEnable(GL_BLEND); // refused between glBegin and glEnd
    glEnd();
    for (int i = 0; i < 40; ++i) glPushMatrix();
    for (int i = 0; i < 40; ++i) glPopMatrix();
    unitQuad(0, 0);

    const auto draws = drawn();
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_FALSE(draws[0].blend);
    EXPECT_EQ(draws[0].mode, GLenum(GL_TRIANGLES)) << "the polygon mode stayed GL_FILL";
    EXPECT_EQ(draws[0].vertices[0].position[0], 0) << "the model-view matrix is the identity";
    EXPECT_EQ(std::count_if(reports.begin(), reports.end(),
                            [](const std::string& r) { return r.find("0x0B50") != r.npos; }),
              1)
        << "glEnable(GL_LIGHTING) once";
    for (const char* expected :
         {"glBegin(0x0020)", "glVertex3f outside", "glMatrixMode(0x1702)", "glPolygonMode(0x0404)",
          "internal format(0x1909)", "glTexParameter(0x2802, 0x2900)", "glNewList",
          "glEnable between", "stack overflow", "stack underflow"}) {
        EXPECT_TRUE(std::any_of(reports.begin(), reports.end(), [&](const std::string& r) {
            return r.find(expected) != r.npos;
        })) << expected;
    }
}

// A point of size 1 lights the pixel holding its window position; ES would light the pixel
// beside it for a position on a border, so the layer moves points to their pixel's centre.
TEST_F(LayerTest, PointsLightThePixelThatHoldsThem) {
    glViewport(0, 0, 10, 20);
    glBegin(GL_POINTS);
    glVertex3f(-0.2f, 0, 0);      // window x 4.0, on the border of pixels 3 and 4; y 10.0
    glVertex3f(-0.06f, 0.07f, 0); // window x 4.7, y 10.7
    glEnd();
    glPolygonMode(GL_FRONT_AND_BACK, GL_POINT);
    unitQuad(-0.2f, 0); // corners on pixel borders too
    const auto draws = drawn();
    ASSERT_EQ(draws.size(), 1u);
    const auto& v = draws[0].vertices;
    ASSERT_EQ(v.size(), 6u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_NEAR(v[i].position[0], -0.1f, 1e-6f) << i; // window x 4.5
        EXPECT_NEAR(v[i].position[1], 0.05f, 1e-6f) << i; // window y 10.5
    }
    EXPECT_NEAR(v[2].position[0], -0.1f, 1e-6f);
}

// Mesa sends a glBegin/glEnd that reaches outside the view volume through its clipper, which
// splits quads along the other diagonal; the layer does the same, so both show the same picture.
TEST_F(LayerTest, QuadsReachingOutsideTheViewSplitAsMesasClipperSplitsThem) {
    unitQuad(0, 0);    // (0,0) (1,0) (1,1) (0,1): the corner (1,1) lies on the border, inside
    unitQuad(0.5f, 0); // reaches out to x = 1.5
    const auto draws = drawn();
    ASSERT_EQ(draws.size(), 1u);
    const auto& v = draws[0].vertices;
    ASSERT_EQ(v.size(), 12u);
    const auto xy = [&](std::size_t i) { return std::pair{v[i].position[0], v[i].position[1]}; };
    // Inside: (v0 v1 v2)(v0 v2 v3).
    EXPECT_EQ(xy(2), std::pair(1.0f, 1.0f));
    EXPECT_EQ(xy(3), std::pair(0.0f, 0.0f));
    // Reaching outside: (v0 v1 v3)(v1 v2 v3).
    EXPECT_EQ(xy(8), std::pair(0.5f, 1.0f));
    EXPECT_EQ(xy(9), std::pair(1.5f, 0.0f));
}
